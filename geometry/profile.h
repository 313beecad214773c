#pragma once

#include <string_view>

#include "geometry/checked.h"
#include "geometry/exact_geometry.h"

namespace segcalc {

// A profile (a frame section, a curtain-wall mullion) of some depth bent to
// the arc. The measurements the user gave describe one of its faces; all
// faces share the centre and the central angle, so their radii differ by the
// depth: inner = R - offset, with an offset of 0 for the inner face, D/2 for
// the centre line and D for the outer face; centre = inner + D/2; outer =
// inner + D.
enum class ProfileFace { Inner, Centre, Outer };

std::string_view FaceName(ProfileFace face);  // 内侧, 中心线, 外侧

struct ProfileRequest {
  double depth = 0.0;                     // D, in the unit of the measurements
  ProfileFace face = ProfileFace::Inner;  // the face the measurements describe
  double neutral_factor = 0.5;            // K: the neutral layer at K D from the inner face
  double tail_a = 0.0;                    // straight lengths left at the two ends
  double tail_b = 0.0;
  double trim = 0.0;  // X: cutting allowance
};

struct ProfileBend {
  ProfileFace given_face = ProfileFace::Inner;
  double depth = 0.0;
  ExactSegment inner;  // the given face is the segment as given, to the bit
  ExactSegment centre;
  ExactSegment outer;
  double neutral_factor = 0.5;
  double neutral_radius = 0.0;  // inner radius + K D
  double neutral_arc = 0.0;     // the length the bar keeps while it is bent
  double tail_a = 0.0;
  double tail_b = 0.0;
  double trim = 0.0;
  double cut_length = 0.0;  // 下料长度 = neutral arc + A + B + X

  const ExactSegment& Face(ProfileFace face) const;
};

// Refuses a depth that is not a number above 0 or leaves no inner radius, a K
// outside 0..1, and negative or non-finite tails or trim.
Checked<ProfileBend> BendProfile(const ExactSegment& given, const ProfileRequest& request);

}  // namespace segcalc

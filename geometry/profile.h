#pragma once

#include <string_view>
#include <vector>

#include "geometry/arch.h"
#include "geometry/checked.h"
#include "geometry/exact_geometry.h"

namespace segcalc {

// A profile (a frame section, a curtain-wall mullion) of some depth bent to
// the arch. The measurements the user gave describe one of its faces; the
// others are the arch's parallels: a circle's faces share its centre and
// angle and their radii differ by the depth, a chain's keep its centres, an
// ellipse's are its true parallel curves. The inner face lies `offset` inside
// the given one: 0 for the inner face, D/2 for the centre line and D for the
// outer face; the centre line lies D/2 outside the inner face and the outer
// face D.
enum class ProfileFace { Inner, Centre, Outer };

std::string_view FaceName(ProfileFace face);  // 内侧, 中心线, 外侧

inline constexpr ProfileFace kProfileFaces[] = {ProfileFace::Inner, ProfileFace::Centre,
                                                ProfileFace::Outer};

struct ProfileRequest {
  double depth = 0.0;                     // D, in the unit of the measurements
  ProfileFace face = ProfileFace::Inner;  // the face the measurements describe
  double neutral_factor = 0.5;            // K: the neutral layer at K D from the inner face
  double tail_a = 0.0;                    // straight lengths left at the two ends
  double tail_b = 0.0;
  double trim = 0.0;  // X: cutting allowance
};

// Where the bender sets one radius: along the cut bar from its left end
// (half the cutting allowance, then the straight tail A, then the arcs of
// the neutral layer).
struct BendStretch {
  double radius = 0.0;
  double from = 0.0;
  double to = 0.0;
};

struct ProfileBend {
  ProfileFace given_face = ProfileFace::Inner;
  double depth = 0.0;
  Arch inner;  // the given face is the arch as given, to the bit
  Arch centre;
  Arch outer;
  double neutral_factor = 0.5;
  Arch neutral;  // K D outside the inner face
  // The length the bar keeps while it is bent: an ellipse's, that of the
  // circular arcs it is bent in.
  double neutral_arc = 0.0;
  double tail_a = 0.0;
  double tail_b = 0.0;
  double trim = 0.0;
  double cut_length = 0.0;  // 下料长度 = neutral arc + A + B + X
  // A head of more than one radius: each radius along the bar, in order.
  std::vector<BendStretch> program;

  const Arch& Face(ProfileFace face) const;
};

// Refuses a depth that is not a number above 0 or leaves no inner face (a
// radius, a pointed apex or an ellipse's tightest bend closing up), a K
// outside 0..1, and negative or non-finite tails or trim.
Checked<ProfileBend> BendProfile(const Arch& given, const ProfileRequest& request);
Checked<ProfileBend> BendProfile(const ExactSegment& given, const ProfileRequest& request);

}  // namespace segcalc

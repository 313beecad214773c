#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "geometry/checked.h"
#include "geometry/exact_geometry.h"
#include "geometry/profile.h"

namespace segcalc {

// The arc divided into N equal pieces: straight members mitred at the joints,
// flat panels of a faceted wall, or curved pieces cut from flat stock.

// More pieces than this is a limit typed in the wrong unit; it also bounds
// the work and the memory a division takes.
inline constexpr std::size_t kMaxDivisions = 10'000;

enum class DivisionRule {
  Count,          // value is N itself
  MaxDeviation,   // value is S: the least N whose facets stay within S of the arc
  MaxPieceChord,  // value is W: the least N whose piece chord on the outer face is at most W
};

struct DivisionRequest {
  DivisionRule rule = DivisionRule::Count;
  double value = 1.0;
};

// One face's piece: the arc and the chord between two adjacent division points.
struct FacePiece {
  std::optional<ProfileFace> face;  // absent when the arc has no profile
  double radius = 0.0;
  double arc = 0.0;    // R phi
  double chord = 0.0;  // 2 R sin(phi / 2)
};

// A division point on the given face: x along the chord from its midpoint, y up
// from the chord, s the arc length from the left end.
struct DivisionPoint {
  double x = 0.0;
  double y = 0.0;
  double s = 0.0;
};

struct Divisions {
  std::size_t count = 1;     // N
  double piece_angle = 0.0;  // phi = angle / N, degrees
  // 斜切角: each member end is cut this far from square, phi / 2.
  double mitre_angle = 0.0;
  // 折角: the interior angle two adjacent flat panels make, 180 - phi; a
  // straight run would be 180.
  double panel_angle = 0.0;
  // 最大偏差: how far a flat piece's middle lies inside the arc on the given
  // face, its sagitta R (1 - cos(phi / 2)).
  double max_deviation = 0.0;
  // 板料宽度, with a profile: the depth of flat stock one curved piece can be cut
  // from, R_outer - R_inner cos(phi / 2) (a piece of more than a half circle
  // needs its outer sagitta instead).
  std::optional<double> stock_width;
  std::vector<FacePiece> pieces;      // inner, centre, outer; or the arc's own
  std::vector<DivisionPoint> points;  // i = 0 .. N on the given face
};

// Refuses N below 1, above kMaxDivisions or not whole, an S or a W that is
// not a number above 0, and a limit that would need more than kMaxDivisions.
Checked<Divisions> Divide(const ExactSegment& arc, const DivisionRequest& request);
// With a profile: every face's pieces and the stock width; the deviation and
// the points on the face the measurements describe, W on the outer face.
Checked<Divisions> Divide(const ProfileBend& profile, const DivisionRequest& request);

}  // namespace segcalc

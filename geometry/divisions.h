#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "geometry/arch.h"
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
// from the chord, s the arc length from the left end; on a head of several
// radii or an ellipse also the outward normal there, along which its division
// line runs across the profile (a circle's runs along its radius, and is
// left 0).
struct DivisionPoint {
  double x = 0.0;
  double y = 0.0;
  double s = 0.0;
  PlanePoint normal;
};

// On a head of several radii or an ellipse the pieces differ: each one's arc
// and chord on the given face, how far its middle stands inside the arch,
// and with a profile each face's arc and chord and the stock it is cut from.
struct DivisionFacet {
  double arc = 0.0;
  double chord = 0.0;
  double deviation = 0.0;
  std::vector<FacePiece> faces;
  std::optional<double> stock_width;
};

// At each division point: how far a straight member's end is cut from square
// (at a joint half the turn between the two members, at an end the angle
// between the member and the arch's tangent), and the angle the two members
// make (none at the ends).
struct DivisionJoint {
  double mitre = 0.0;
  std::optional<double> fold;
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
  // Pieces of equal length along a head of several radii or an ellipse: the
  // angle, mitre, fold, deviation and stock above are then the largest of
  // any piece, and each piece and joint is listed on its own.
  bool uniform = true;
  std::vector<DivisionFacet> facets;  // i = 1 .. N
  std::vector<DivisionJoint> joints;  // i = 0 .. N
};

// Refuses N below 1, above kMaxDivisions or not whole, an S or a W that is
// not a number above 0, and a limit that would need more than kMaxDivisions.
// A circle is cut in equal angles; any other arch in pieces of equal length
// along the given face.
Checked<Divisions> Divide(const Arch& arch, const DivisionRequest& request);
Checked<Divisions> Divide(const ExactSegment& arc, const DivisionRequest& request);
// With a profile: every face's pieces and the stock width; the deviation and
// the points on the face the measurements describe, W on the outer face.
Checked<Divisions> Divide(const ProfileBend& profile, const DivisionRequest& request);

// Why a request fits no arch, or empty: a count not a whole number from 1 to
// kMaxDivisions, a deviation or a panel width not a number above 0.
std::string DivisionRequestProblem(const DivisionRequest& request);
// "所需分段数超过 ...": no count up to kMaxDivisions keeps within the limit.
std::string TooManyDivisions();

// Pieces of equal length along an arch that is not one circle.
Checked<Divisions> DivideAlong(const Arch& given, const ProfileBend* profile,
                               const DivisionRequest& request);

}  // namespace segcalc

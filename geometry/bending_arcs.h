#pragma once

#include <cstddef>
#include <vector>

#include "geometry/arc_piece.h"
#include "geometry/checked.h"
#include "geometry/ellipse_arc.h"

namespace segcalc {

// An ellipse cannot be bent: a bender rolls circular arcs. These are the
// tangent-continuous arcs that stand in for one, from the left end to the
// right, with their largest distance from the true curve.
struct BendingArcs {
  std::vector<ArcPiece> pieces;
  double deviation = 0.0;
};

// More arcs than this is a tolerance typed in the wrong unit.
inline constexpr std::size_t kMaxBendingArcs = 99;

// The fewest a head can have: a half ellipse is symmetric with its crown on
// one arc, so it takes an odd number, at least 3; a quarter at least 2.
std::size_t FewestArcsPossible(EllipseSpan span);

// `count` arcs turning through equal angles (the crown's half arc of a whole
// head through half of one), their radii those of the ellipse over each
// stretch, adjusted as little as possible so that the chain meets the
// springing and the crown exactly. Refused where the count does not fit the
// head or a radius would not be positive.
Checked<BendingArcs> BendEllipse(const EllipseArc& curve, std::size_t count);

// The fewest arcs whose largest distance from the curve is at most the
// tolerance.
Checked<BendingArcs> FewestBendingArcs(const EllipseArc& curve, double tolerance);

}  // namespace segcalc

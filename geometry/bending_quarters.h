#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "geometry/arc_piece.h"

namespace segcalc {

// Two ways of laying tangent-continuous circular arcs over the right quarter
// of the ellipse of half axes a and b centred at the origin, from the crown
// (where the first arc's centre lies on the axis) down to the springing
// (where the last one's lies on the springing line). `arcs` is the count in
// the quarter; crown_share is the share of an ordinary arc's turn the first
// one takes: a half for a whole head, whose crown arc runs on across the
// axis, 1 for a quarter head.

// Each arc turning through the same angle, its radius the ellipse's own over
// that stretch, then all adjusted as little as possible to close the chain.
// Good for few arcs: its error falls only as about the square of the count.
std::optional<std::vector<ArcPiece>> EqualTurnQuarter(double a, double b, std::size_t arcs,
                                                      double crown_share);

// Joints on the ellipse itself: each arc through the next joint, tangent to
// the one before, and the last two a pair meeting the springing upright, their
// junction where it lies nearest the ellipse. Its error falls as about the
// cube of the count.
std::optional<std::vector<ArcPiece>> ThroughPointsQuarter(double a, double b, std::size_t arcs,
                                                          double crown_share);

}  // namespace segcalc

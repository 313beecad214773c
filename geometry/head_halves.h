#pragma once

#include <optional>
#include <vector>

#include "geometry/arc_piece.h"
#include "geometry/arch.h"
#include "geometry/checked.h"

namespace segcalc {

// The right half of a symmetric head, centred on x = 0: its pieces from the
// crown down to the springing at x = a (half the span). The left half is its
// mirror image.
struct HalfHead {
  std::vector<ArcPiece> right;
  bool corner_at_crown = false;  // a pointed apex; else the crown piece runs on across
};

// Half a segment of rise h, up to a half circle.
Checked<HalfHead> SegmentHalf(double a, double h);
HalfHead SemicircleHalf(double a);
// Two arcs of one radius centred on the springing line, meeting at the apex.
Checked<HalfHead> PointedHalfOfRise(double a, double h);
Checked<HalfHead> PointedHalfOfRadius(double a, double radius);
// Two small arcs on the springing line and a large one below it, tangent
// where they meet: the classical construction, or a given small radius.
Checked<HalfHead> ThreeCentredHalf(double a, double b, std::optional<double> small_radius);

// Both halves joined at the crown, from left to right.
Arch WholeHead(const HalfHead& half);
// One half alone, moved so that it spans -width / 2 to width / 2.
Arch QuarterHead(const HalfHead& half, bool left, double width);

}  // namespace segcalc

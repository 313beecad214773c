#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "geometry/exact_geometry.h"

namespace segcalc {
class Arch;
}  // namespace segcalc

namespace segcalc {

// One station of the layout table: x along the chord from its midpoint, y the
// perpendicular distance from the chord to the arc.
struct Ordinate {
  double x = 0.0;
  double y = 0.0;
};

struct OrdinateTable {
  std::vector<Ordinate> rows;  // x ascending
  std::string error;           // why there is no table, when rows is empty
};

// The perpendicular distance from the chord up to the arc at x (|x| at most
// half the chord). Beyond a semicircle it is the far side of the arc, the one
// a perpendicular inside the chord meets.
double OrdinateAt(const ExactSegment& segment, double x);

// More stations than this is a step typed in the wrong unit, not a table.
inline constexpr std::size_t kMaxOrdinateRows = 20'001;

// Stations at 0, +-step, +-2 step, ... and at both chord ends (a multiple of
// the step that falls on an end is not repeated).
//
// Up to a semicircle every perpendicular to the chord meets the arc once: the
// ends are 0 and the midpoint is the chord height.
//
// Beyond a semicircle the arc overhangs the chord's ends. Inside the chord a
// perpendicular still meets the arc once, on its far side, and that is the
// ordinate given. At each chord end it meets the arc twice: at the arc's own
// end point (0) and on the far side; both are listed, the 0 outermost, so the
// table stays symmetric and starts and ends on the chord. The overhanging parts
// beyond the chord's ends are not stations of this table; the full-size
// template and the drawing show them.
//
// Any other head: x from the middle of its span, y its height over the
// springing line (a quarter head's crown end stands at its rise).
OrdinateTable Ordinates(const Arch& arch, double step);
OrdinateTable Ordinates(const ExactSegment& segment, double step);

// A step that gives about ten stations across the chord: 1, 2 or 5 times a
// power of ten.
double DefaultOrdinateStep(double chord);

}  // namespace segcalc

#pragma once

namespace segcalc {

// A point of the plane in the user's unit: x along the springing line (or the
// chord) from its midpoint, y up from it.
struct PlanePoint {
  double x = 0.0;
  double y = 0.0;
};

}  // namespace segcalc

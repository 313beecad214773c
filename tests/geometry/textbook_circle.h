#pragma once

#include <cmath>
#include <numbers>

#include "geometry/exact_geometry.h"

namespace segcalc::textbook {

// The five quantities of a circle from its radius and angle, by the textbook
// formulas rather than the half-angle forms the code uses.
inline ExactSegment Circle(double radius, double degrees) {
  const double theta = degrees * std::numbers::pi / 180;
  return {radius * theta, 2 * radius * std::sin(theta / 2), radius - radius * std::cos(theta / 2),
          radius, degrees};
}

// How far (x, y) lies from the centre of the segment's circle, which stands
// R - H below the chord's midpoint (above it beyond a semicircle).
inline double FromCentre(const ExactSegment& s, double x, double y) {
  return std::hypot(x, y - (s.height - s.radius));
}

}  // namespace segcalc::textbook

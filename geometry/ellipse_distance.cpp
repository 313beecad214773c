#include "geometry/ellipse_distance.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace segcalc {
namespace {

// The root s of (r0 z0 / (s + r0))^2 + (z1 / (s + 1))^2 = 1, which the
// nearest point's Lagrange multiplier satisfies; the left side falls as s
// rises, so halving [z1 - 1, |(r0 z0, z1)| - 1] finds it.
double MultiplierRoot(double r0, double z0, double z1, double g) {
  const double n0 = r0 * z0;
  double s0 = z1 - 1;
  double s1 = g < 0 ? 0 : std::hypot(n0, z1) - 1;
  double s = 0;
  for (int i = 0; i < 1100; ++i) {
    s = s0 + (s1 - s0) / 2;
    if (s == s0 || s == s1) break;
    const double ratio0 = n0 / (s + r0);
    const double ratio1 = z1 / (s + 1);
    const double value = ratio0 * ratio0 + ratio1 * ratio1 - 1;
    if (value > 0) {
      s0 = s;
    } else if (value < 0) {
      s1 = s;
    } else {
      break;
    }
  }
  return s;
}

// For e0 >= e1 > 0 and a point in the first quadrant.
double FirstQuadrantDistance(double e0, double e1, double y0, double y1) {
  if (y1 > 0) {
    if (y0 > 0) {
      const double z0 = y0 / e0, z1 = y1 / e1;
      const double g = z0 * z0 + z1 * z1 - 1;
      if (g == 0) return 0;
      const double r0 = (e0 / e1) * (e0 / e1);
      const double s = MultiplierRoot(r0, z0, z1, g);
      const double x0 = r0 * y0 / (s + r0);
      const double x1 = y1 / (s + 1);
      return std::hypot(x0 - y0, x1 - y1);
    }
    return std::abs(y1 - e1);
  }
  const double numerator = e0 * y0;
  const double denominator = (e0 - e1) * (e0 + e1);
  if (numerator < denominator) {
    const double ratio = numerator / denominator;
    const double x0 = e0 * ratio;
    const double x1 = e1 * std::sqrt(std::max(0.0, (1 - ratio) * (1 + ratio)));
    return std::hypot(x0 - y0, x1);
  }
  return std::abs(y0 - e0);
}

}  // namespace

double DistanceToEllipse(double a, double b, PlanePoint point) {
  double y0 = std::abs(point.x), y1 = std::abs(point.y);
  if (a < b) {
    std::swap(a, b);
    std::swap(y0, y1);
  }
  return FirstQuadrantDistance(a, b, y0, y1);
}

}  // namespace segcalc

#include "geometry/area.h"

#include <cmath>

namespace segcalc {

// For a flat arc theta - sin(theta) is about theta^3 / 6: the subtraction
// would keep only the digits of theta^3 beyond those theta and sin(theta)
// share, losing log10(6 / theta^2) of them (all sixteen at theta = 1e-8, a
// 1 m chord on a 100 km radius). Below theta = 1 the alternating series
// theta^3/3! - theta^5/5! + ... is summed instead; its terms fall at least
// twentyfold each, so twelve terms are below the last bit. From theta = 1 on
// the subtraction loses under one digit.
double ThetaMinusSine(double theta) {
  if (theta >= 1) return theta - std::sin(theta);
  const double square = theta * theta;
  double term = theta * square / 6;
  double sum = 0;
  for (int k = 1; k <= 12 && term != 0; ++k) {
    sum += term;
    term *= -square / ((2.0 * k + 2) * (2.0 * k + 3));
  }
  return sum;
}

SegmentArea AreaOf(const ExactSegment& segment) {
  const double r = segment.radius;
  const double theta = Radians(segment.angle);
  return {r * r / 2 * ThetaMinusSine(theta), r * r * theta / 2, segment.arc + segment.chord};
}

}  // namespace segcalc

#include "geometry/ordinates.h"

#include <algorithm>
#include <cmath>

namespace segcalc {

// H - (R - sqrt(R^2 - x^2)), with the sagitta written so that a flat arc of a
// huge radius loses no digits: R - sqrt(R^2 - x^2) = x^2 / (R + sqrt(R^2 - x^2)).
double OrdinateAt(const ExactSegment& s, double x) {
  const double root = std::sqrt(std::max(0.0, s.radius * s.radius - x * x));
  return s.height - x * x / (s.radius + root);
}

OrdinateTable Ordinates(const ExactSegment& segment, double step) {
  if (!(std::isfinite(step) && step > 0)) return {{}, "放样间距应为大于 0 的数"};
  const double half = segment.chord / 2;
  // A multiple of the step closer to an end than this is the end itself.
  const double same = half * 1e-12;
  const double inner_count = std::floor((half - same) / step);
  if (!(inner_count * 2 + 3 <= static_cast<double>(kMaxOrdinateRows))) {
    return {{}, "放样间距太小,点数超过 " + std::to_string(kMaxOrdinateRows)};
  }
  const long inner = static_cast<long>(inner_count);
  const bool beyond_semicircle = segment.angle > 180;

  OrdinateTable table;
  table.rows.push_back({-half, 0.0});
  if (beyond_semicircle) table.rows.push_back({-half, OrdinateAt(segment, half)});
  for (long k = -inner; k <= inner; ++k) {
    const double x = static_cast<double>(k) * step;
    table.rows.push_back({x, OrdinateAt(segment, x)});
  }
  if (beyond_semicircle) table.rows.push_back({half, OrdinateAt(segment, half)});
  table.rows.push_back({half, 0.0});
  return table;
}

double DefaultOrdinateStep(double chord) {
  if (!(std::isfinite(chord) && chord > 0)) return 1;
  const double target = chord / 10;
  const double power = std::pow(10.0, std::floor(std::log10(target)));
  for (const double factor : {1.0, 2.0, 5.0}) {
    if (factor * power >= target) return factor * power;
  }
  return 10 * power;
}

}  // namespace segcalc

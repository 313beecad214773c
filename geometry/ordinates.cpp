#include "geometry/ordinates.h"

#include <algorithm>
#include <cmath>

#include "geometry/arch.h"

namespace segcalc {

// H - (R - sqrt(R^2 - x^2)), with the sagitta written so that a flat arc of a
// huge radius loses no digits: R - sqrt(R^2 - x^2) = x^2 / (R + sqrt(R^2 - x^2)).
double OrdinateAt(const ExactSegment& s, double x) {
  const double root = std::sqrt(std::max(0.0, s.radius * s.radius - x * x));
  return s.height - x * x / (s.radius + root);
}

OrdinateTable Ordinates(const Arch& arch, double step) {
  if (!(std::isfinite(step) && step > 0)) return {{}, "放样间距应为大于 0 的数"};
  const double half = arch.RightEnd().x;
  // A multiple of the step closer to an end than this is the end itself.
  const double same = half * 1e-12;
  const double inner_count = std::floor((half - same) / step);
  if (!(inner_count * 2 + 3 <= static_cast<double>(kMaxOrdinateRows))) {
    return {{}, "放样间距太小,点数超过 " + std::to_string(kMaxOrdinateRows)};
  }
  const long inner = static_cast<long>(inner_count);

  OrdinateTable table;
  for (const ArchPoint& p : arch.OverEnd(true)) table.rows.push_back({p.x, p.y});
  for (long k = -inner; k <= inner; ++k) {
    const double x = static_cast<double>(k) * step;
    if (const std::optional<double> y = arch.HeightAbove(x)) table.rows.push_back({x, *y});
  }
  for (const ArchPoint& p : arch.OverEnd(false)) table.rows.push_back({p.x, p.y});
  return table;
}

OrdinateTable Ordinates(const ExactSegment& segment, double step) {
  return Ordinates(Arch::OfSegment(segment), step);
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

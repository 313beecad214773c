#include "geometry/exact_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "calc/number_text.h"

namespace segcalc {
namespace {

// The true value, not the calculator's 3.14.
constexpr double kPi = std::numbers::pi;

// Everything below works on the half-angle t of the central angle, 0 < t < pi:
// arc = 2 R t, chord = 2 R sin t, height = R (1 - cos t) = 2 R sin^2(t / 2).
// The last form keeps the height of a nearly flat arc free of cancellation.
ExactSegment FromHalfAngle(double t, double radius) {
  const double s = std::sin(t / 2);
  return {2 * radius * t, 2 * radius * std::sin(t), 2 * radius * s * s, radius, Degrees(2 * t)};
}

// Finds the root of f, rising or falling between lo and hi, by halving until
// the interval cannot shrink further. Slower than Newton's method but it
// cannot leave the bracket or stall on a flat stretch; f is never asked for its
// value at the ends, where it may be undefined (0 / 0 at a zero angle).
template <typename F>
double Bisect(F f, double lo, double hi, bool rising) {
  for (int i = 0; i < 2000; ++i) {
    const double mid = lo + (hi - lo) / 2;
    if (mid <= lo || mid >= hi) break;
    const double value = f(mid);
    if (value == 0) return mid;
    if ((value < 0) == rising) {
      lo = mid;
    } else {
      hi = mid;
    }
  }
  return lo + (hi - lo) / 2;
}

// 1 - sin(t) / t, by its series where the subtraction would lose digits.
double OneMinusSinc(double t) {
  if (t < 1e-2) {
    const double t2 = t * t;
    return t2 / 6 * (1 - t2 / 20 * (1 - t2 / 42 * (1 - t2 / 72)));
  }
  return 1 - std::sin(t) / t;
}

// height / arc as a function of the half-angle: rises to its peak near
// t = 2.33 and falls to 1/pi at t = pi.
double HeightToArc(double t) {
  const double s = std::sin(t / 2);
  return s * s / t;
}

// Where height / arc peaks: d/dt of sin^2(t/2) / t vanishes where tan(t/2) = t.
double PeakHalfAngle() {
  const double u =
      Bisect([](double v) { return std::sin(v) - 2 * v * std::cos(v); }, 1.0, 1.5, true);
  return 2 * u;
}

ExactSolutions None(std::string reason) {
  return {{}, std::move(reason)};
}

// The given quantities are kept exactly as given; the rest come from t and R.
struct Given {
  double arc = NAN, chord = NAN, height = NAN, radius = NAN, angle = NAN;

  void Set(Quantity quantity, double value) {
    ExactSegment all{arc, chord, height, radius, angle};
    SetValue(all, quantity, value);
    *this = {all.arc, all.chord, all.height, all.radius, all.angle};
  }

  ExactSegment Segment(double t, double r) const {
    ExactSegment segment = FromHalfAngle(t, r);
    if (!std::isnan(arc)) segment.arc = arc;
    if (!std::isnan(chord)) segment.chord = chord;
    if (!std::isnan(height)) segment.height = height;
    if (!std::isnan(radius)) segment.radius = radius;
    if (!std::isnan(angle)) segment.angle = angle;
    return segment;
  }
};

bool Finite(const ExactSegment& s) {
  return std::isfinite(s.arc) && std::isfinite(s.chord) && std::isfinite(s.height) &&
         std::isfinite(s.radius) && std::isfinite(s.angle) && s.radius > 0;
}

ExactSolutions Solve(const Given& g, Quantity a, Quantity b) {
  const auto has = [&](Quantity q) { return a == q || b == q; };
  using enum Quantity;
  std::vector<std::pair<double, double>> found;  // half-angle, radius
  if (has(Angle)) {
    if (!(g.angle < 360)) return None("夹角应小于 360 度");
    const double t = Radians(g.angle) / 2;
    const double s = std::sin(t / 2);
    const double r = has(Arc)      ? g.arc / (2 * t)
                     : has(Chord)  ? g.chord / (2 * std::sin(t))
                     : has(Height) ? g.height / (2 * s * s)
                                   : g.radius;
    found.emplace_back(t, r);
  } else if (has(Radius)) {
    const double r = g.radius;
    if (has(Arc)) {
      const double t = g.arc / (2 * r);
      if (!(t < kPi)) return None("弧长应小于以该半径所成整圆的周长(2π × 半径)");
      found.emplace_back(t, r);
    } else if (has(Chord)) {
      const double s = g.chord / (2 * r);
      if (s > 1) return None("弦长不能大于直径(2 × 半径)");
      const double t = std::asin(s);
      found.emplace_back(t, r);
      if (t < kPi / 2) found.emplace_back(kPi - t, r);
    } else {
      const double q = g.height / (2 * r);
      if (!(q < 1)) return None("弦高应小于直径(2 × 半径)");
      found.emplace_back(2 * std::asin(std::sqrt(q)), r);
    }
  } else if (has(Arc) && has(Chord)) {
    // sin(t) / t falls from 1 to 0 over the half-angle's range: one root.
    if (!(g.chord < g.arc)) return None("弧长应大于弦长");
    const double shortfall = (g.arc - g.chord) / g.arc;
    const double t = Bisect([&](double v) { return OneMinusSinc(v) - shortfall; }, 0.0, kPi, true);
    found.emplace_back(t, g.arc / (2 * t));
  } else if (has(Arc) && has(Height)) {
    const double ratio = g.height / g.arc;
    const double peak = PeakHalfAngle();
    if (ratio > HeightToArc(peak)) {
      return None("弦高不能超过弧长的 " +
                  FormatNumber(std::round(HeightToArc(peak) * 1e4) / 1e4, {}) + " 倍");
    }
    const auto f = [&](double v) { return HeightToArc(v) - ratio; };
    const double rising = Bisect(f, 0.0, peak, true);
    found.emplace_back(rising, g.arc / (2 * rising));
    // Past the peak the ratio falls to 1/pi at a full circle, which is out of
    // range itself: a second arc only above that.
    if (ratio > 1 / kPi && ratio < HeightToArc(peak)) {
      const double falling = Bisect(f, peak, kPi, false);
      found.emplace_back(falling, g.arc / (2 * falling));
    }
  } else {
    // Chord and height: tan(t / 2) = 2 H / C, and R from the intersecting
    // chords, both closed forms.
    const double t = 2 * std::atan(2 * g.height / g.chord);
    const double half = g.chord / 2;
    found.emplace_back(t, (half * half + g.height * g.height) / (2 * g.height));
  }

  ExactSolutions solutions;
  for (const auto& [t, r] : found) {
    const ExactSegment segment = g.Segment(t, r);
    if (!(t > 0) || !Finite(segment) || !(segment.angle > 0 && segment.angle < 360)) continue;
    solutions.segments.push_back(segment);
  }
  if (solutions.segments.empty()) solutions.reason = "数值超出可计算的范围";
  return solutions;
}

}  // namespace

double ValueOf(const ExactSegment& segment, Quantity quantity) {
  switch (quantity) {
    case Quantity::Arc:
      return segment.arc;
    case Quantity::Chord:
      return segment.chord;
    case Quantity::Height:
      return segment.height;
    case Quantity::Radius:
      return segment.radius;
    case Quantity::Angle:
      return segment.angle;
  }
  return 0;
}

void SetValue(ExactSegment& segment, Quantity quantity, double value) {
  switch (quantity) {
    case Quantity::Arc:
      segment.arc = value;
      break;
    case Quantity::Chord:
      segment.chord = value;
      break;
    case Quantity::Height:
      segment.height = value;
      break;
    case Quantity::Radius:
      segment.radius = value;
      break;
    case Quantity::Angle:
      segment.angle = value;
      break;
  }
}

double Radians(double degrees) {
  return degrees * kPi / 180;
}
double Degrees(double radians) {
  return radians * 180 / kPi;
}

ExactSegment SegmentOfRadiusAndAngle(double radius, double degrees) {
  ExactSegment segment = FromHalfAngle(Radians(degrees) / 2, radius);
  segment.angle = degrees;  // as given, not back from radians
  return segment;
}

double MaxHeightToArcRatio() {
  return HeightToArc(PeakHalfAngle());
}

ExactSolutions SolveExact(Quantity first, double first_value, Quantity second,
                          double second_value) {
  if (first == second) return None("需要两个不同的量");
  for (const auto& [quantity, value] : {std::pair{first, first_value}, {second, second_value}}) {
    if (!(std::isfinite(value) && value > 0)) {
      return None(std::string(QuantityLabel(quantity)) + "应为大于 0 的数");
    }
  }
  Given given;
  given.Set(first, first_value);
  given.Set(second, second_value);
  return Solve(given, first, second);
}

ExactChoice ChooseExact(const ExactSolutions& solutions, SolveMode mode,
                        std::optional<double> near_angle) {
  const std::vector<ExactSegment>& s = solutions.segments;
  if (s.empty()) return {std::nullopt, solutions.reason, false, {}};
  if (s.size() == 1) return {s.front(), {}, false, {}};
  bool take_first = mode == SolveMode::MinorArc;
  if (near_angle) {
    take_first = std::abs(s[0].angle - *near_angle) <= std::abs(s[1].angle - *near_angle);
  }
  return {take_first ? s[0] : s[1], {}, true, take_first ? s[1] : s[0]};
}

}  // namespace segcalc

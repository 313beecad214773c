#include "geometry/ellipse_arc.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "geometry/elliptic_integral.h"

namespace segcalc {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kHalfPi = kPi / 2;

// |P'(t)| of the ellipse itself: sqrt(a^2 sin^2 t + b^2 cos^2 t).
double Speed(double a, double b, double t) {
  const double s = a * std::sin(t);
  const double c = b * std::cos(t);
  return std::sqrt(s * s + c * c);
}

// Halves [lo, hi] around the root of a rising f until it cannot shrink.
template <typename F>
double RootOfRising(F f, double lo, double hi) {
  for (int i = 0; i < 200; ++i) {
    const double mid = lo + (hi - lo) / 2;
    if (mid <= lo || mid >= hi) break;
    if (f(mid) < 0) {
      lo = mid;
    } else {
      hi = mid;
    }
  }
  return lo + (hi - lo) / 2;
}

}  // namespace

double EllipseArc::FirstParameter() const {
  return span == EllipseSpan::RightQuarter ? kHalfPi : 0.0;
}

double EllipseArc::LastParameter() const {
  return span == EllipseSpan::LeftQuarter ? kHalfPi : kPi;
}

PlanePoint EllipseArc::NormalAt(double t) const {
  if (t == kHalfPi) return {0, 1};
  const double nx = -b * std::cos(t);
  const double ny = a * std::sin(t);
  const double length = std::sqrt(nx * nx + ny * ny);
  return {nx / length, ny / length};
}

// The springings and the crown exactly: the arch stands on y = 0 there, and
// the crown of a quarter is where its other member meets it.
PlanePoint EllipseArc::PointAt(double t) const {
  if (t <= 0) return {shift - (a + offset), 0};
  if (t >= kPi) return {shift + (a + offset), 0};
  if (t == kHalfPi) return {shift, b + offset};
  const PlanePoint n = NormalAt(t);
  return {shift - a * std::cos(t) + offset * n.x, b * std::sin(t) + offset * n.y};
}

// With a >= b the integral runs from the crown, where sqrt(1 - m sin^2)
// needs m = 1 - (b / a)^2 <= 1; with b > a from the springing.
double EllipseArc::Quarter() const {
  return a >= b ? a * CompleteEllipticE(1 - (b / a) * (b / a))
                : b * CompleteEllipticE(1 - (a / b) * (a / b));
}

double EllipseArc::EllipseLengthTo(double t) const {
  const double q = Quarter();
  if (a >= b) {
    const double m = 1 - (b / a) * (b / a);
    // The angle from the crown, pi / 2 - t, through its sine cos t.
    if (t <= kHalfPi) return q - a * EllipticE(std::cos(t), std::sin(t), m);
    return q + a * EllipticE(-std::cos(t), std::sin(t), m);
  }
  const double m = 1 - (a / b) * (a / b);
  if (t <= kHalfPi) return b * EllipticE(std::sin(t), std::cos(t), m);
  return 2 * q - b * EllipticE(std::sin(t), -std::cos(t), m);
}

double EllipseArc::Turn(double t) const {
  return kPi - std::atan2(a * std::sin(t), -b * std::cos(t));
}

// A parallel curve is as long as its base plus the offset times the angle
// the normal turns through.
double EllipseArc::LengthTo(double t) const {
  const double from_left = EllipseLengthTo(t) + offset * Turn(t);
  if (span != EllipseSpan::RightQuarter) return from_left;
  return from_left - (Quarter() + offset * kHalfPi);
}

double EllipseArc::Length() const {
  if (span == EllipseSpan::Half) return 2 * Quarter() + offset * kPi;
  return Quarter() + offset * kHalfPi;
}

// Newton's steps on s(t) = target, kept inside a shrinking bracket: s rises
// with t, at ds/dt = |P'| + offset a b / |P'|^2.
double EllipseArc::ParameterAtLength(double s) const {
  double lo = FirstParameter(), hi = LastParameter();
  const double length = Length();
  if (!(s > 0)) return lo;
  if (!(s < length)) return hi;
  double t = lo + (hi - lo) * (s / length);
  for (int i = 0; i < 100; ++i) {
    const double f = LengthTo(t) - s;
    if (f == 0) return t;
    if (f < 0) {
      lo = t;
    } else {
      hi = t;
    }
    const double w = Speed(a, b, t);
    double next = t - f / (w + offset * a * b / (w * w));
    if (!(next > lo && next < hi)) next = lo + (hi - lo) / 2;
    if (next == t || hi - lo <= 1e-15 * (hi + lo)) return next;
    t = next;
  }
  return t;
}

double EllipseArc::ParameterAtX(double x) const {
  return RootOfRising([&](double t) { return PointAt(t).x - x; }, FirstParameter(),
                      LastParameter());
}

std::vector<double> EllipseArc::HeightsAt(double x) const {
  const double first = PointAt(FirstParameter()).x;
  const double last = PointAt(LastParameter()).x;
  if (!(x >= first && x <= last)) return {};
  if (x == first) return {PointAt(FirstParameter()).y};
  if (x == last) return {PointAt(LastParameter()).y};
  if (offset == 0) {
    // b sqrt(1 - u^2) as b / a sqrt((a - u)(a + u)): no digits lost near
    // the springings.
    const double u = x - shift;
    return {b / a * std::sqrt(std::max(0.0, (a - u) * (a + u)))};
  }
  return {PointAt(ParameterAtX(x)).y};
}

// Steiner's formula for a parallel curve: the base area, the offset times
// the length, and the offset squared over two times the normal's turn.
double EllipseArc::Area() const {
  const double d = offset;
  if (span == EllipseSpan::Half) return kPi * a * b / 2 + d * 2 * Quarter() + kPi * d * d / 2;
  return kPi * a * b / 4 + d * Quarter() + kPi * d * d / 4;
}

double EllipseArc::RadiusOfCurvature(double t) const {
  const double w = Speed(a, b, t);
  return w * w * w / (a * b) + offset;
}

double EllipseArc::TightestRadius() const {
  return std::min(b * b / a, a * a / b);
}

double EllipseArc::FocalDistance() const {
  return std::sqrt(std::abs((a - b) * (a + b)));
}

}  // namespace segcalc

#include "calc/angle_bounds.h"

#include <algorithm>
#include <cmath>

#include "calc/scan_angles.h"

namespace segcalc::scan {
namespace {

// How far a factor computed here may be from the exact one: the half-angle
// is computed with at most three roundings, so it is within 10 units in the
// last place of 3.14 (about 2^-49.7), which moves sin or cos by no more (they
// are 1-Lipschitz); and std::sin and std::cos are taken to be within 2^-47
// of the exact value for arguments up to pi, which any usable library is by a
// wide margin (that is 64 units in the last place of results near 1).
constexpr double kTrigSlack = 0x1p-46;

// The double nearest pi / 2, and how far a computed half-angle may stray from
// the exact one, with room to spare: an end on the far side of this guard is
// on the known side of the turning point of sin.
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kTurnGuard = 1e-9;

// 1 / a rounded is within half a unit in the last place of 1 / a.
constexpr double kQuotientSlack = 0x1p-51;

Interval Rising(double at_low, double at_high) {
  return {std::max(0.0, at_low - kTrigSlack), std::min(1.0, at_high + kTrigSlack)};
}

Interval Falling(double at_low, double at_high) {
  return {std::max(0.0, at_high - kTrigSlack), std::min(1.0, at_low + kTrigSlack)};
}

// sin over [x_low, x_high], both within [0, pi), given as computed arguments
// and their sines.
Interval SinOver(double x_low, double sin_low, double x_high, double sin_high) {
  if (x_high < kHalfPi - kTurnGuard) return Rising(sin_low, sin_high);
  if (x_low > kHalfPi + kTurnGuard) return Falling(sin_low, sin_high);
  return {std::max(0.0, std::min(sin_low, sin_high) - kTrigSlack), 1.0};
}

}  // namespace

TrigAt TrigAtAngle(double a, unsigned factors) {
  PlainArithmetic op;
  TrigAt at;
  at.angle = a;
  at.minor_half = op.Div(op.Mul(a, kScanPi), 360.0);
  at.major_half = op.Div(op.Mul(op.Sub(360.0, a), kScanPi), 360.0);
  if (factors & kSinMinorHalf) at.sin_minor_half = std::sin(at.minor_half);
  if (factors & kSinMinorQuarter) at.sin_minor_quarter = std::sin(at.minor_half / 2.0);
  if (factors & kCosMinorQuarter) at.cos_minor_quarter = std::cos(at.minor_half / 2.0);
  if (factors & kSinMajorHalf) at.sin_major_half = std::sin(at.major_half);
  if (factors & kCosMajorQuarter) at.cos_major_quarter = std::cos(at.major_half / 2.0);
  return at;
}

FactorBounds BoundFactors(const TrigAt& one_end, const TrigAt& other_end, unsigned factors) {
  const bool ordered = one_end.angle <= other_end.angle;
  const TrigAt& low = ordered ? one_end : other_end;  // the smaller angle
  const TrigAt& high = ordered ? other_end : one_end;
  FactorBounds bounds;
  bounds.inverse_angle = {(1.0 / high.angle) * (1.0 - kQuotientSlack),
                          (1.0 / low.angle) * (1.0 + kQuotientSlack)};
  // m grows with the angle, j shrinks.
  if (factors & kSinMinorHalf) {
    bounds.sin_minor_half =
        SinOver(low.minor_half, low.sin_minor_half, high.minor_half, high.sin_minor_half);
  }
  if (factors & kSinMinorQuarter) {
    bounds.sin_minor_quarter = Rising(low.sin_minor_quarter, high.sin_minor_quarter);
  }
  if (factors & kCosMinorQuarter) {
    bounds.cos_minor_quarter = Falling(low.cos_minor_quarter, high.cos_minor_quarter);
  }
  if (factors & kSinMajorHalf) {
    bounds.sin_major_half =
        SinOver(high.major_half, high.sin_major_half, low.major_half, low.sin_major_half);
  }
  if (factors & kCosMajorQuarter) {
    // cos(j / 2) falls as j grows, so it grows with the angle.
    bounds.cos_major_quarter = Rising(low.cos_major_quarter, high.cos_major_quarter);
  }
  return bounds;
}

}  // namespace segcalc::scan

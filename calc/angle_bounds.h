#pragma once

// Rigorous bounds of the trigonometric factors of the implied values over a
// range of angles, from the values at its two ends. Internal to calc/.
//
// The factors are functions of the exact angle a (the double held by the scan,
// taken as a real number), with m = a * 3.14 / 360 the minor half-angle and
// j = (360 - a) * 3.14 / 360 the major one, in radians; 3.14 here is the
// double the scan uses. Since 3.14 < pi, m and j lie in [0, pi): sin rises up
// to pi / 2 and falls after it, cos falls throughout, and m / 2 and j / 2 stay
// below pi / 2, where all four are positive and monotone.

#include <cstdint>

namespace segcalc::scan {

struct Interval {
  double lo;
  double hi;
};

// Which factors a bound needs, as bits.
enum Factor : std::uint8_t {
  kSinMinorHalf = 1,      // sin(m)
  kSinMinorQuarter = 2,   // sin(m / 2)
  kCosMinorQuarter = 4,   // cos(m / 2)
  kSinMajorHalf = 8,      // sin(j)
  kCosMajorQuarter = 16,  // cos(j / 2)
};

// The chosen factors at one angle, each within kTrigSlack of its exact value
// (see angle_bounds.cpp); the others are left at 0.
struct TrigAt {
  double angle = 0;
  double minor_half = 0;  // m and j as computed, within 10 units in the last place
  double major_half = 0;
  double sin_minor_half = 0;
  double sin_minor_quarter = 0;
  double cos_minor_quarter = 0;
  double sin_major_half = 0;
  double cos_major_quarter = 0;
};

TrigAt TrigAtAngle(double a, unsigned factors);

// Enclosures of the exact factors over every angle between two ends (in
// either order), and of 1 / a. Factors not chosen are left empty.
struct FactorBounds {
  Interval inverse_angle{};
  Interval sin_minor_half{};
  Interval sin_minor_quarter{};
  Interval cos_minor_quarter{};
  Interval sin_major_half{};
  Interval cos_major_quarter{};
};

FactorBounds BoundFactors(const TrigAt& one_end, const TrigAt& other_end, unsigned factors);

}  // namespace segcalc::scan

#pragma once

// The angles of the scan and the arithmetic every pass is computed with,
// shared by the plain scan, the fast solve and the bounds of the fast solve.
// Internal to calc/.

#include <cmath>

#include "calc/segment_solver.h"

namespace segcalc::scan {

// Pi is taken as 3.14 throughout (the exact geometry beside the calculator
// uses the true value). Doubling a double is exact, so two pi is
// 6.28 to the last bit.
inline constexpr double kScanPi = 3.14;
inline constexpr double kScanTwoPi = 2.0 * kScanPi;
static_assert(kScanTwoPi == 6.28);

// Every arithmetic result of a pass goes through here. The operands are always
// finite (the inputs are, and so are sin, cos, tan and the rounding of finite
// values), so a result that is not finite is exactly an overflow, a division
// by zero or an invalid operation.
class CheckedArithmetic {
 public:
  double Add(double x, double y) { return Check(x + y); }
  double Sub(double x, double y) { return Check(x - y); }
  double Mul(double x, double y) { return Check(x * y); }
  double Div(double x, double y) { return Check(x / y); }
  bool faulted() const { return faulted_; }

 private:
  double Check(double result) {
    if (!std::isfinite(result)) faulted_ = true;
    return result;
  }
  bool faulted_ = false;
};

// The same operations where nothing can fault, or nobody asks.
struct PlainArithmetic {
  static constexpr double Add(double x, double y) { return x + y; }
  static constexpr double Sub(double x, double y) { return x - y; }
  static constexpr double Mul(double x, double y) { return x * y; }
  static constexpr double Div(double x, double y) { return x / y; }
};

// Degrees to radians: the degrees first, then times pi, then over 180.
template <class Arithmetic>
double Radians(Arithmetic& op, double degrees) {
  return op.Div(op.Mul(degrees, kScanPi), 180.0);
}

template <class Arithmetic>
double MinorHalfAngle(Arithmetic& op, double a) {
  return Radians(op, op.Div(a, 2.0));
}

template <class Arithmetic>
double MajorHalfAngle(Arithmetic& op, double a) {
  return Radians(op, op.Div(op.Sub(360.0, a), 2.0));
}

// The angle sequence. The step is added to the running angle, never derived
// from the pass count: the rounding error of 360,000 additions decides some
// results. MinorArc climbs from 0.001 while the angle is not above 360,
// MajorArc falls from 360 while it is not below 0.001; both make kScanPasses
// passes, and in both the angle moves strictly one way.
constexpr double FirstAngle(SolveMode mode) {
  return mode == SolveMode::MinorArc ? 0.001 : 360.0;
}

constexpr bool ScanContinues(SolveMode mode, double a) {
  return mode == SolveMode::MinorArc ? !(a > 360.0) : !(a < 0.001);
}

template <class Arithmetic>
constexpr double NextAngle(Arithmetic& op, SolveMode mode, double a) {
  return op.Add(mode == SolveMode::MinorArc ? 0.001 : -0.001, a);
}

}  // namespace segcalc::scan

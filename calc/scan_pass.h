#pragma once

// One pass of the angle scan, shared by the plain scan and the fast solve so
// that the record of a match is computed by the very same operations in both.
// Internal to calc/.

#include <cmath>
#include <optional>

#include "calc/number_text.h"
#include "calc/segment_solver.h"

namespace segcalc::scan {

// Every arithmetic result goes through here. The operands are always finite
// (the inputs are, and so are sin, cos, tan and the rounding of finite values),
// so a result that is not finite is exactly an overflow, a division by zero or
// an invalid operation.
class CheckedArithmetic {
 public:
  double Add(double x, double y) { return Check(x + y); }
  double Sub(double x, double y) { return Check(x - y); }
  double Mul(double x, double y) { return Check(x * y); }
  double Div(double x, double y) { return Check(x / y); }
  // Degrees to radians with pi taken as 3.14.
  double Radians(double degrees) { return Div(Mul(degrees, 3.14), 180.0); }
  bool faulted() const { return faulted_; }

 private:
  double Check(double result) {
    if (!std::isfinite(result)) faulted_ = true;
    return result;
  }
  bool faulted_ = false;
};

using Match = std::optional<SegmentResult>;

inline SegmentResult Record(double a, double radius, double missing) {
  return {true, RoundHalfEven2(a), RoundHalfEven2(radius), missing};
}

// One pass of each pair: the match test and, on a match, the record. A pass
// that faults may return anything; the scan discards it.
inline Match ArcAndChordPass(CheckedArithmetic& op, SolveMode mode, double a, double arc,
                             double chord) {
  const double radius = op.Div(op.Mul(arc, 360.0), op.Mul(a, 6.28));
  const double half_chord = op.Div(chord, 2.0);
  if (mode == SolveMode::MinorArc) {
    const double m = op.Radians(op.Div(a, 2.0));
    const double implied = op.Mul(std::sin(m), radius);
    if (op.faulted() || RoundHalfEven2(half_chord) != RoundHalfEven2(implied)) return {};
    const double t = std::tan(op.Radians(op.Sub(90.0, op.Div(a, 2.0))));
    const double height = RoundHalfEven2(op.Sub(radius, op.Div(op.Mul(t, chord), 2.0)));
    return Record(a, radius, height);
  }
  const double j = op.Radians(op.Div(op.Sub(360.0, a), 2.0));
  const double implied = op.Mul(std::sin(j), radius);
  if (op.faulted() || RoundHalfEven2(half_chord) != RoundHalfEven2(implied)) return {};
  const double t = std::tan(op.Radians(op.Sub(90.0, op.Div(op.Sub(360.0, a), 2.0))));
  const double minor_height = RoundHalfEven2(op.Sub(radius, op.Div(op.Mul(t, chord), 2.0)));
  const double height = RoundHalfEven2(op.Sub(op.Add(radius, radius), minor_height));
  return Record(a, radius, height);
}

inline Match ArcAndHeightPass(CheckedArithmetic& op, SolveMode mode, double a, double arc,
                              double height) {
  const double radius = op.Div(op.Mul(arc, 360.0), op.Mul(a, 6.28));
  const double half_angle = mode == SolveMode::MinorArc ? op.Radians(op.Div(a, 2.0))
                                                        : op.Radians(op.Div(op.Sub(360.0, a), 2.0));
  const double c = std::cos(half_angle);
  const double implied = mode == SolveMode::MinorArc ? op.Sub(radius, op.Mul(c, radius))
                                                     : op.Add(op.Mul(c, radius), radius);
  if (op.faulted() || RoundHalfEven2(implied) != RoundHalfEven2(height)) return {};
  const double chord = RoundHalfEven2(op.Mul(op.Add(radius, radius), std::sin(half_angle)));
  return Record(a, radius, chord);
}

inline Match ChordAndHeightPass(CheckedArithmetic& op, SolveMode mode, double a, double chord,
                                double height) {
  // The radius comes from the minor half-angle in both modes.
  const double m = op.Radians(op.Div(a, 2.0));
  const double radius = op.Div(op.Div(chord, 2.0), std::sin(m));
  double implied = 0.0;
  if (mode == SolveMode::MinorArc) {
    implied = op.Sub(radius, op.Mul(std::cos(m), radius));
  } else {
    const double j = op.Radians(op.Div(op.Sub(360.0, a), 2.0));
    implied = op.Add(op.Mul(std::cos(j), radius), radius);
  }
  if (op.faulted() || RoundHalfEven2(implied) != RoundHalfEven2(height)) return {};
  const double arc = RoundHalfEven2(op.Mul(op.Div(op.Mul(op.Add(radius, radius), 3.14), 360.0), a));
  return Record(a, radius, arc);
}

inline Match Pass(CheckedArithmetic& op, InputPair pair, SolveMode mode, double a, double first,
                  double second) {
  switch (pair) {
    case InputPair::ArcAndChord:
      return ArcAndChordPass(op, mode, a, first, second);
    case InputPair::ArcAndHeight:
      return ArcAndHeightPass(op, mode, a, first, second);
    case InputPair::ChordAndHeight:
      return ChordAndHeightPass(op, mode, a, first, second);
  }
  return {};
}

}  // namespace segcalc::scan

#pragma once

// Each input pair's rules, all in one place: what a pass computes from its
// angle (the columns), what it computes from the measurements alone (the
// invariants), the value it compares (the implied value) and its match test,
// the record of a match, and the bounds of the implied value over a range of
// angles. The plain scan, the classifier and the bounded search all use these
// definitions, so a rule changed here changes everywhere.
//
// What must still change together:
// - a pair's Bounds enclose exactly the computation of its Radius and Implied
//   (see each Bounds), so a change to either needs its Bounds derived anew,
//   and its BoundFactors name the factors its Bounds read;
// - the window of fast_solver.cpp (WindowAround) is that of a match test
//   rounding to hundredths with RoundHalfEven2, and its kNoFaultMagnitude
//   holds for these radii, implied values and records.
// Internal to calc/.

#include <cmath>
#include <limits>
#include <optional>
#include <type_traits>

#include "calc/angle_bounds.h"
#include "calc/number_text.h"
#include "calc/scan_angles.h"
#include "calc/segment_solver.h"

namespace segcalc::scan {

// What a pass needs of its angle that does not depend on the measurements.
enum class Column { Angle, SinMinorHalf, CosMinorHalf, SinMajorHalf, CosMajorHalf };

template <class Arithmetic>
double ColumnValue(Arithmetic& op, Column column, double a) {
  switch (column) {
    case Column::SinMinorHalf:
      return std::sin(MinorHalfAngle(op, a));
    case Column::CosMinorHalf:
      return std::cos(MinorHalfAngle(op, a));
    case Column::SinMajorHalf:
      return std::sin(MajorHalfAngle(op, a));
    case Column::CosMajorHalf:
      return std::cos(MajorHalfAngle(op, a));
    case Column::Angle:
      break;
  }
  return a;
}

// A pass reads two columns: the first gives the radius, the second the
// implied value from the radius.
struct Columns {
  Column first;
  Column second;
};

// What every pass computes from the measurements alone; the fast solve
// computes it once, checked as the scan checks it on each pass.
struct Invariants {
  double radius_numerator;
  double compared;  // the given value whose rounding the implied one must equal
};

// The implied value of a range of passes, per unit of the magnitude of the
// first measurement: `exact` encloses the exact real value of the formula for
// every angle of the range, and `error` bounds how far the computed value of
// a pass may be from the exact one. Derivations use u = 2^-53 and the factor
// slack of angle_bounds.cpp (|sin or cos computed - exact| <= 2^-46.5 at the
// scan's own half-angles).
struct ImpliedBound {
  Interval exact;
  double error;
};

inline constexpr ImpliedBound kUnbounded{
    {-std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity()},
    std::numeric_limits<double>::infinity()};

using Match = std::optional<SegmentResult>;

inline SegmentResult Record(double a, double radius, double missing) {
  return {true, RoundHalfEven2(a), RoundHalfEven2(radius), missing};
}

// The chord height from the radius and the cosine of the mode's half-angle,
// shared by ArcAndHeight and ChordAndHeight.
template <SolveMode kMode, class Arithmetic>
double HeightFrom(Arithmetic& op, double radius, double cosine) {
  if constexpr (kMode == SolveMode::MinorArc) {
    return op.Sub(radius, op.Mul(cosine, radius));
  } else {
    return op.Add(op.Mul(cosine, radius), radius);
  }
}

// R = (L * 360) / (a * 2 pi), exactly Q * L / a with Q = 360 / 6.28.
template <class Arithmetic>
double ArcRadius(Arithmetic& op, double numerator, double a) {
  return op.Div(numerator, op.Mul(a, kScanTwoPi));
}

inline constexpr double kRadiusPerArc = 360.0 / kScanTwoPi;  // Q, rounded; the slack covers it

// Given arc length L and chord length C: matches when C / 2 and sin(h) * R
// round alike, h being the mode's half-angle.
struct ArcAndChordRule {
  static constexpr Columns ColumnsFor(SolveMode mode) {
    return {Column::Angle,
            mode == SolveMode::MinorArc ? Column::SinMinorHalf : Column::SinMajorHalf};
  }
  template <class Arithmetic>
  static Invariants InvariantsOf(Arithmetic& op, double arc, double chord) {
    return {op.Mul(arc, 360.0), op.Div(chord, 2.0)};
  }
  template <class Arithmetic>
  static double Radius(Arithmetic& op, double numerator, double a) {
    return ArcRadius(op, numerator, a);
  }
  template <SolveMode kMode, class Arithmetic>
  static double Implied(Arithmetic& op, double radius, double sine) {
    return op.Mul(sine, radius);
  }
  template <SolveMode kMode>
  static SegmentResult RecordOf(CheckedArithmetic& op, double a, double radius, double chord) {
    if constexpr (kMode == SolveMode::MinorArc) {
      const double t = std::tan(Radians(op, op.Sub(90.0, op.Div(a, 2.0))));
      return Record(a, radius, RoundHalfEven2(op.Sub(radius, op.Div(op.Mul(t, chord), 2.0))));
    } else {
      const double t = std::tan(Radians(op, op.Sub(90.0, op.Div(op.Sub(360.0, a), 2.0))));
      // The chord height is rounded twice: once as the minor arc's, then as
      // the difference from the diameter.
      const double minor_height = RoundHalfEven2(op.Sub(radius, op.Div(op.Mul(t, chord), 2.0)));
      return Record(a, radius, RoundHalfEven2(op.Sub(op.Add(radius, radius), minor_height)));
    }
  }

  static constexpr unsigned BoundFactors(SolveMode mode) {
    return mode == SolveMode::MinorArc ? kSinMinorHalf : kSinMajorHalf;
  }
  // Exact value Q * L * sin(h) / a. Computed: the sine is within 2^-46.5 of
  // sin(h), R within 3u of its exact value, the product adds u: the computed
  // value is within (2^-46.5 + 5u) R < 2^-44 R of the exact one.
  static ImpliedBound Bounds(SolveMode mode, const FactorBounds& f) {
    const Interval s = mode == SolveMode::MinorArc ? f.sin_minor_half : f.sin_major_half;
    const Interval inverse = f.inverse_angle;
    return {{kRadiusPerArc * s.lo * inverse.lo, kRadiusPerArc * s.hi * inverse.hi},
            0x1p-44 * kRadiusPerArc * inverse.hi};
  }
};

// Given arc length L and chord height H: matches when H and the height of the
// radius R and the mode's half-angle round alike.
struct ArcAndHeightRule {
  static constexpr Columns ColumnsFor(SolveMode mode) {
    return {Column::Angle,
            mode == SolveMode::MinorArc ? Column::CosMinorHalf : Column::CosMajorHalf};
  }
  template <class Arithmetic>
  static Invariants InvariantsOf(Arithmetic& op, double arc, double height) {
    return {op.Mul(arc, 360.0), height};
  }
  template <class Arithmetic>
  static double Radius(Arithmetic& op, double numerator, double a) {
    return ArcRadius(op, numerator, a);
  }
  template <SolveMode kMode, class Arithmetic>
  static double Implied(Arithmetic& op, double radius, double cosine) {
    return HeightFrom<kMode>(op, radius, cosine);
  }
  template <SolveMode kMode>
  static SegmentResult RecordOf(CheckedArithmetic& op, double a, double radius, double) {
    const double half_angle =
        kMode == SolveMode::MinorArc ? MinorHalfAngle(op, a) : MajorHalfAngle(op, a);
    return Record(a, radius, RoundHalfEven2(op.Mul(op.Add(radius, radius), std::sin(half_angle))));
  }

  static constexpr unsigned BoundFactors(SolveMode mode) {
    return mode == SolveMode::MinorArc ? kSinMinorQuarter : kCosMajorQuarter;
  }
  // Exact value R (1 - cos m) = 2 Q L sin^2(m / 2) / a, or R (1 + cos j) =
  // 2 Q L cos^2(j / 2) / a: written so, without the cancellation of the
  // computed form. Computed: R within 3u, the cosine within 2^-46.5, the
  // product and the sum or difference add u each of at most 2R: within
  // (2^-46.5 + 10u) R < 2^-43 R of the exact value.
  static ImpliedBound Bounds(SolveMode mode, const FactorBounds& f) {
    const Interval t = mode == SolveMode::MinorArc ? f.sin_minor_quarter : f.cos_major_quarter;
    const Interval inverse = f.inverse_angle;
    const double twice = 2.0 * kRadiusPerArc;
    return {{twice * (t.lo * t.lo) * inverse.lo, twice * (t.hi * t.hi) * inverse.hi},
            0x1p-43 * kRadiusPerArc * inverse.hi};
  }
};

// Given chord length C and chord height H: the radius R = (C / 2) / sin(m)
// from the minor half-angle in both modes; matches when H and the height of R
// and the mode's half-angle round alike.
struct ChordAndHeightRule {
  static constexpr Columns ColumnsFor(SolveMode mode) {
    return {Column::SinMinorHalf,
            mode == SolveMode::MinorArc ? Column::CosMinorHalf : Column::CosMajorHalf};
  }
  template <class Arithmetic>
  static Invariants InvariantsOf(Arithmetic& op, double chord, double height) {
    return {op.Div(chord, 2.0), height};
  }
  template <class Arithmetic>
  static double Radius(Arithmetic& op, double half_chord, double sine) {
    return op.Div(half_chord, sine);
  }
  template <SolveMode kMode, class Arithmetic>
  static double Implied(Arithmetic& op, double radius, double cosine) {
    return HeightFrom<kMode>(op, radius, cosine);
  }
  template <SolveMode>
  static SegmentResult RecordOf(CheckedArithmetic& op, double a, double radius, double) {
    const double arc =
        RoundHalfEven2(op.Mul(op.Div(op.Mul(op.Add(radius, radius), kScanPi), 360.0), a));
    return Record(a, radius, arc);
  }

  static constexpr unsigned BoundFactors(SolveMode mode) {
    return mode == SolveMode::MinorArc ? kSinMinorHalf | kSinMinorQuarter | kCosMinorQuarter
                                       : kSinMinorHalf | kCosMajorQuarter;
  }
  // Per unit of C, with h = 1 / 2: exact value h (1 - cos m) / sin m =
  // h tan(m / 2), or h (1 + cos j) / sin m = 2 h cos^2(j / 2) / sin m.
  // Computed: the sine s is within e = 2^-46.5 of sin m, so R is within
  // e / s + 2u of its exact value, relatively; the height adds that twice,
  // the cosine's e and 3u of R: within (2^-42 / s + 2^-42) h / s overall.
  static ImpliedBound Bounds(SolveMode mode, const FactorBounds& f) {
    const Interval sine = f.sin_minor_half;
    if (!(sine.lo > 0.0)) return kUnbounded;
    const double error = 0.5 * ((0x1p-42 / sine.lo + 0x1p-42) / sine.lo);
    if (mode == SolveMode::MinorArc) {
      const Interval s = f.sin_minor_quarter;
      const Interval c = f.cos_minor_quarter;
      if (!(c.lo > 0.0)) return kUnbounded;
      return {{0.5 * (s.lo / c.hi), 0.5 * (s.hi / c.lo)}, error};
    }
    const Interval c = f.cos_major_quarter;
    return {{(c.lo * c.lo) / sine.hi, (c.hi * c.hi) / sine.lo}, error};
  }
};

template <class Rule, SolveMode kMode>
Match RulePass(CheckedArithmetic& op, double a, double first, double second) {
  constexpr Columns kColumns = Rule::ColumnsFor(kMode);
  const Invariants invariants = Rule::InvariantsOf(op, first, second);
  const double radius =
      Rule::Radius(op, invariants.radius_numerator, ColumnValue(op, kColumns.first, a));
  const double implied =
      Rule::template Implied<kMode>(op, radius, ColumnValue(op, kColumns.second, a));
  if (op.faulted() || RoundHalfEven2(invariants.compared) != RoundHalfEven2(implied)) return {};
  return Rule::template RecordOf<kMode>(op, a, radius, second);
}

// Calls what(Rule, mode constant) for the pair and mode.
template <class What>
decltype(auto) WithRule(InputPair pair, SolveMode mode, What&& what) {
  constexpr auto kMinor = std::integral_constant<SolveMode, SolveMode::MinorArc>{};
  constexpr auto kMajor = std::integral_constant<SolveMode, SolveMode::MajorArc>{};
  const bool minor = mode == SolveMode::MinorArc;
  switch (pair) {
    case InputPair::ArcAndChord:
      return minor ? what(ArcAndChordRule{}, kMinor) : what(ArcAndChordRule{}, kMajor);
    case InputPair::ArcAndHeight:
      return minor ? what(ArcAndHeightRule{}, kMinor) : what(ArcAndHeightRule{}, kMajor);
    case InputPair::ChordAndHeight:
      break;
  }
  return minor ? what(ChordAndHeightRule{}, kMinor) : what(ChordAndHeightRule{}, kMajor);
}

// One pass of the scan: the match test and, on a match, the record. A pass
// that faults may return anything; the scan discards it.
inline Match Pass(CheckedArithmetic& op, InputPair pair, SolveMode mode, double a, double first,
                  double second) {
  return WithRule(pair, mode, [&](auto rule, auto kMode) {
    return RulePass<decltype(rule), decltype(kMode)::value>(op, a, first, second);
  });
}

// The value a pass compares with the rounded given one, by the same
// operations, without checks.
inline double ImpliedValue(InputPair pair, SolveMode mode, double a, double first, double second) {
  return WithRule(pair, mode, [&](auto rule, auto kMode) {
    using Rule = decltype(rule);
    constexpr SolveMode kThisMode = decltype(kMode)::value;
    PlainArithmetic op;
    constexpr Columns kColumns = Rule::ColumnsFor(kThisMode);
    const Invariants invariants = Rule::InvariantsOf(op, first, second);
    const double radius =
        Rule::Radius(op, invariants.radius_numerator, ColumnValue(op, kColumns.first, a));
    return Rule::template Implied<kThisMode>(op, radius, ColumnValue(op, kColumns.second, a));
  });
}

}  // namespace segcalc::scan

#include "calc/fast_solver.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <iterator>
#include <optional>
#include <vector>

#include "calc/number_text.h"
#include "calc/pair_rules.h"

namespace segcalc {
namespace {

using scan::ClassifyInput;
using scan::Interval;

// Up to this magnitude of both measurements no checked result of a pass or of
// its record can overflow: the radius stays below about 6e304 (the angle is at
// least 0.001 degrees and the sine of the minor half-angle at least about
// 8.7e-6) and the tangents at most about 1256. So the result is the last match,
// which can be looked for from the end. Beyond it the first fault may come from
// any pass or from the record of a match.
constexpr double kNoFaultMagnitude = 1e300;

// Passes per sub-range inside a range that its bound did not rule out; their
// bounds are computed when needed, from the sines and cosines at their ends.
constexpr int kSubrangePasses = 16;

// Room below the smallest normal double for the absolute error of results
// that underflow: each such rounding is within 2^-1075, and no later
// operation multiplies it by more than about 2^11 (a division by a * 6.28 or
// by a sine of at least 0.0015). Values this small all round to zero.
constexpr double kUnderflowSlack = 0x1p-1000;

// Passes classified at a time when scanning in order: the columns and codes
// stay in the second-level cache, and the scan stops within one block of a
// fault.
constexpr std::size_t kBlockPasses = 4096;

// The implied values that can round to the rounded given value T: RoundHalfEven2
// of x is T only when |x - T| <= 0.005 + 2u |T| + 0.005u; the slack is wider.
struct Window {
  double lo;
  double hi;
  bool Excludes(double bound_lo, double bound_hi) const { return bound_hi < lo || bound_lo > hi; }
};

Window WindowAround(double rounded) {
  const double half = 0.005 + 0x1p-40 * (std::fabs(rounded) + 1.0);
  return {rounded - half, rounded + half};
}

// The rounded given value, as whole hundredths when they are few enough for
// the classifier to compare without dividing by 100.
void SetTarget(ClassifyInput& input, double compared) {
  const double scaled = compared * 100.0;
  const double whole = std::nearbyint(scaled);
  input.whole_hundredths = std::isfinite(scaled) && std::fabs(whole) < 0x1p52;
  input.target = input.whole_hundredths ? whole : RoundHalfEven2(compared);
}

const std::uint8_t* LastMatch(const std::uint8_t* codes, std::size_t count) {
#if defined(__GLIBC__)
  return static_cast<const std::uint8_t*>(memrchr(codes, scan::kMatch, count));
#else
  const auto found = std::find(std::make_reverse_iterator(codes + count),
                               std::make_reverse_iterator(codes), scan::kMatch);
  return found.base() == codes ? nullptr : found.base() - 1;
#endif
}

class FastScan {
 public:
  FastScan(RangeBounds& ranges, InputPair pair, SolveMode mode, double first, double second,
           scan::InstructionSet set)
      : ranges_(ranges),
        angles_(RangeAnglesOf(mode)),
        pair_(pair),
        mode_(mode),
        first_(first),
        second_(second),
        set_(set) {}

  SolveOutcome Run() {
    scan::CheckedArithmetic op;
    const scan::Invariants invariants = scan::WithRule(pair_, mode_, [&](auto rule, auto) {
      return decltype(rule)::InvariantsOf(op, first_, second_);
    });
    // Every pass computes these first: if any is not finite, the first pass faults.
    if (op.faulted()) return Faulted(0);
    const bool no_fault =
        std::fabs(first_) <= kNoFaultMagnitude && std::fabs(second_) <= kNoFaultMagnitude;
    if (no_fault && FromTheEnd(invariants)) return outcome_;
    return FromTheStart(invariants, !no_fault);
  }

 private:
  // The last match, searched for from the end, range by range, skipping every
  // range whose bound keeps it out of the window. False only if a pass faulted
  // after all, which the magnitudes rule out; the scan in order then decides.
  bool FromTheEnd(const scan::Invariants& invariants) {
    // The implied value is odd in the first measurement, bit for bit (every
    // operation rounds to nearest), so the bounds are for its magnitude and a
    // negative first measurement mirrors the window.
    const Window window = WindowAround(RoundHalfEven2(invariants.compared));
    window_ = std::signbit(first_) ? Window{-window.hi, -window.lo} : window;
    scale_ = std::fabs(first_);
    const std::span<const Interval> bounds = ranges_.BoundsOf(pair_, mode_);
    for (int range = angles_.Count() - 1; range >= 0; --range) {
      if (Excludes(bounds[range])) continue;
      const std::optional<bool> found = SearchRange(range);
      if (!found) return false;
      if (*found) return true;
    }
    return true;
  }

  bool Excludes(const Interval& per_unit) const {
    return window_.Excludes(scale_ * per_unit.lo - kUnderflowSlack,
                            scale_ * per_unit.hi + kUnderflowSlack);
  }

  // Whether the range holds a match (then recorded), or nothing if a pass faulted.
  std::optional<bool> SearchRange(int range) {
    const int first_pass = range * kRangePasses;
    const int count = std::min(kRangePasses, angles_.passes - first_pass);
    std::array<double, kRangePasses> angles;
    scan::PlainArithmetic plain;
    angles[0] = angles_.first_angles[range];
    for (int i = 1; i < count; ++i) angles[i] = scan::NextAngle(plain, mode_, angles[i - 1]);

    const unsigned factors = BoundFactors(pair_, mode_);
    // Each sub-range is bounded from its first angle to the first of the next,
    // or to the last angle of the range.
    const auto end_of = [&](int sub) { return std::min(sub * kSubrangePasses, count - 1); };
    const int subranges = (count + kSubrangePasses - 1) / kSubrangePasses;
    scan::TrigAt upper = scan::TrigAtAngle(angles[end_of(subranges)], factors);
    for (int sub = subranges - 1; sub >= 0; --sub) {
      const scan::TrigAt lower = scan::TrigAtAngle(angles[end_of(sub)], factors);
      const bool excluded = Excludes(ImpliedPerUnit(pair_, mode_, lower, upper));
      upper = lower;
      if (excluded) continue;
      const int begin = sub * kSubrangePasses;
      for (int i = std::min(begin + kSubrangePasses, count) - 1; i >= begin; --i) {
        scan::CheckedArithmetic op;
        const scan::Match match = scan::Pass(op, pair_, mode_, angles[i], first_, second_);
        // Only defensive: within kNoFaultMagnitude no pass faults.
        if (op.faulted()) return std::nullopt;
        if (match) {
          outcome_.result = *match;
          return true;
        }
      }
    }
    return false;
  }

  // In scan order, up to the first fault, with the columns computed block by
  // block.
  SolveOutcome FromTheStart(const scan::Invariants& invariants, bool records_may_fault) {
    outcome_ = {};
    ClassifyInput input;
    input.pair = pair_;
    input.mode = mode_;
    input.radius_numerator = invariants.radius_numerator;
    SetTarget(input, invariants.compared);
    const scan::Columns columns = scan::WithRule(
        pair_, mode_, [](auto rule, auto mode) { return decltype(rule)::ColumnsFor(mode); });
    std::vector<double> angles(kBlockPasses), first_column(kBlockPasses),
        second_column(kBlockPasses);
    std::vector<std::uint8_t> codes(kBlockPasses);
    input.first_column = first_column.data();
    input.second_column = second_column.data();

    scan::PlainArithmetic op;
    double a = scan::FirstAngle(mode_);
    const std::size_t passes = static_cast<std::size_t>(angles_.passes);
    for (std::size_t begin = 0; begin < passes; begin += kBlockPasses) {
      const std::size_t count = std::min(passes - begin, kBlockPasses);
      for (std::size_t i = 0; i < count; ++i) {
        angles[i] = a;
        first_column[i] = scan::ColumnValue(op, columns.first, a);
        second_column[i] = scan::ColumnValue(op, columns.second, a);
        a = scan::NextAngle(op, mode_, a);
      }
      scan::ClassifyPasses(set_, input, 0, count, codes.data());
      const auto* fault =
          static_cast<const std::uint8_t*>(std::memchr(codes.data(), scan::kFault, count));
      const std::size_t clean = fault ? static_cast<std::size_t>(fault - codes.data()) : count;
      if (records_may_fault) {
        // Matches in order, so that the first whose record faults ends the scan.
        for (std::size_t i = 0; i < clean; ++i) {
          if (codes[i] == scan::kMatch && !Record(angles[i])) return Faulted(begin + i);
        }
      } else if (const std::uint8_t* match = LastMatch(codes.data(), clean)) {
        last_match_angle_ = angles[static_cast<std::size_t>(match - codes.data())];
      }
      if (fault) return Faulted(begin + clean);
    }
    if (last_match_angle_) Record(*last_match_angle_);
    return outcome_;
  }

  // The plain scan's pass, run again for a pass known to match; false when
  // its record faults.
  bool Record(double a) {
    scan::CheckedArithmetic op;
    const scan::Match match = scan::Pass(op, pair_, mode_, a, first_, second_);
    if (op.faulted()) return false;
    if (match) outcome_.result = *match;
    return true;
  }

  SolveOutcome Faulted(std::size_t pass) {
    if (last_match_angle_) Record(*last_match_angle_);
    outcome_.arithmetic_error = true;
    outcome_.fault_pass = static_cast<int>(pass);
    return outcome_;
  }

  RangeBounds& ranges_;
  const RangeAngles& angles_;
  InputPair pair_;
  SolveMode mode_;
  double first_;
  double second_;
  scan::InstructionSet set_;
  Window window_{};
  double scale_ = 0;
  SolveOutcome outcome_;
  std::optional<double> last_match_angle_;
};

}  // namespace

SolveOutcome SolveWithRanges(RangeBounds& ranges, InputPair pair, SolveMode mode, double first,
                             double second, scan::InstructionSet set) {
  return FastScan(ranges, pair, mode, first, second, set).Run();
}

}  // namespace segcalc

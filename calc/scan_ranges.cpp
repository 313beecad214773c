#include "calc/scan_ranges.h"

#include <array>
#include <cmath>

#include "calc/pair_rules.h"
#include "calc/scan_angles.h"

namespace segcalc {
namespace {

using scan::Interval;

// Room for the roundings of a bound's own formula (a few operations, each
// within u = 2^-53) ...
constexpr double kFormulaSlack = 0x1p-45;
// ... and of the product of the bound by the magnitude of the measurement.
constexpr double kProductSlack = 0x1p-48;

Interval PerUnit(const scan::ImpliedBound& bound) {
  const double lo = bound.exact.lo - std::fabs(bound.exact.lo) * kFormulaSlack - bound.error;
  const double hi = bound.exact.hi + std::fabs(bound.exact.hi) * kFormulaSlack + bound.error;
  return {lo - std::fabs(lo) * kProductSlack, hi + std::fabs(hi) * kProductSlack};
}

constexpr int kRanges = (kScanPasses + kRangePasses - 1) / kRangePasses;

struct Checkpoints {
  std::array<double, kRanges> first_angles{};
  double last_angle = 0;
  int passes = 0;
};

// The accumulation is one long chain of dependent additions, so it is done by
// the compiler, which rounds each addition to double exactly as the processor
// does (IEEE-754, to nearest); the tests compare the result with the angles
// accumulated at run time.
constexpr Checkpoints AccumulateCheckpoints(SolveMode mode) {
  Checkpoints checkpoints;
  scan::PlainArithmetic op;
  double a = scan::FirstAngle(mode);
  for (int range = 0; range < kRanges && scan::ScanContinues(mode, a); ++range) {
    checkpoints.first_angles[range] = a;
    for (int i = 0; i < kRangePasses && scan::ScanContinues(mode, a); ++i) {
      checkpoints.last_angle = a;
      a = scan::NextAngle(op, mode, a);
      ++checkpoints.passes;
    }
  }
  return checkpoints;
}

constexpr Checkpoints kMinorCheckpoints = AccumulateCheckpoints(SolveMode::MinorArc);
constexpr Checkpoints kMajorCheckpoints = AccumulateCheckpoints(SolveMode::MajorArc);
static_assert(kMinorCheckpoints.passes == kScanPasses && kMajorCheckpoints.passes == kScanPasses);

RangeAngles AnglesFrom(const Checkpoints& checkpoints) {
  return {checkpoints.passes, checkpoints.first_angles, checkpoints.last_angle};
}

std::vector<Interval> BuildBounds(InputPair pair, SolveMode mode) {
  const RangeAngles& angles = RangeAnglesOf(mode);
  const unsigned factors = BoundFactors(pair, mode);
  const int count = angles.Count();
  std::vector<Interval> bounds;
  bounds.reserve(count);
  scan::TrigAt low = scan::TrigAtAngle(angles.first_angles[0], factors);
  for (int r = 0; r < count; ++r) {
    const scan::TrigAt high = scan::TrigAtAngle(angles.EndAngle(r), factors);
    bounds.push_back(ImpliedPerUnit(pair, mode, low, high));
    low = high;
  }
  return bounds;
}

}  // namespace

Interval ImpliedPerUnit(InputPair pair, SolveMode mode, const scan::TrigAt& one_end,
                        const scan::TrigAt& other_end) {
  return scan::WithRule(pair, mode, [&](auto rule, auto mode_constant) {
    using Rule = decltype(rule);
    constexpr SolveMode kMode = decltype(mode_constant)::value;
    return PerUnit(
        Rule::Bounds(kMode, scan::BoundFactors(one_end, other_end, Rule::BoundFactors(kMode))));
  });
}

unsigned BoundFactors(InputPair pair, SolveMode mode) {
  return scan::WithRule(pair, mode, [](auto rule, auto mode_constant) {
    return decltype(rule)::BoundFactors(decltype(mode_constant)::value);
  });
}

const RangeAngles& RangeAnglesOf(SolveMode mode) {
  static const RangeAngles minor = AnglesFrom(kMinorCheckpoints);
  static const RangeAngles major = AnglesFrom(kMajorCheckpoints);
  return mode == SolveMode::MinorArc ? minor : major;
}

int RangeBounds::IndexOf(InputPair pair, SolveMode mode) {
  return static_cast<int>(pair) * 2 + (mode == SolveMode::MinorArc ? 0 : 1);
}

std::span<const Interval> RangeBounds::BoundsOf(InputPair pair, SolveMode mode) {
  Slot& slot = slots_[IndexOf(pair, mode)];
  std::call_once(slot.once, [&] {
    slot.bounds = BuildBounds(pair, mode);
    slot.built.store(true, std::memory_order_release);
  });
  return slot.bounds;
}

bool RangeBounds::IsBuilt(InputPair pair, SolveMode mode) const {
  return slots_[IndexOf(pair, mode)].built.load(std::memory_order_acquire);
}

std::size_t RangeBounds::BytesKept() const {
  std::size_t bytes = 0;
  for (const Slot& slot : slots_) {
    if (slot.built.load(std::memory_order_acquire)) {
      bytes += slot.bounds.capacity() * sizeof(Interval);
    }
  }
  return bytes;
}

RangeBounds& SharedRangeBounds() {
  static RangeBounds ranges;
  return ranges;
}

}  // namespace segcalc

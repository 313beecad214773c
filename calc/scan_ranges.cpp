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

constexpr InputPair kPairs[] = {InputPair::ArcAndChord, InputPair::ArcAndHeight,
                                InputPair::ChordAndHeight};

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

ScanRanges::ModeRanges BuildRanges(SolveMode mode) {
  const Checkpoints& checkpoints =
      mode == SolveMode::MinorArc ? kMinorCheckpoints : kMajorCheckpoints;
  ScanRanges::ModeRanges ranges;
  ranges.passes = checkpoints.passes;
  ranges.first_angles.assign(checkpoints.first_angles.begin(), checkpoints.first_angles.end());
  ranges.last_angle = checkpoints.last_angle;
  unsigned factors = 0;
  for (const InputPair pair : kPairs) factors |= BoundFactors(pair, mode);
  const int count = ranges.Count();
  std::vector<scan::TrigAt> ends;
  ends.reserve(count + 1);
  for (int r = 0; r <= count; ++r) {
    ends.push_back(
        scan::TrigAtAngle(r < count ? ranges.first_angles[r] : ranges.last_angle, factors));
  }
  for (const InputPair pair : kPairs) {
    std::vector<Interval>& bounds = ranges.implied_per_unit[static_cast<int>(pair)];
    bounds.reserve(count);
    for (int r = 0; r < count; ++r)
      bounds.push_back(ImpliedPerUnit(pair, mode, ends[r], ends[r + 1]));
  }
  return ranges;
}

int IndexOf(SolveMode mode) {
  return mode == SolveMode::MinorArc ? 0 : 1;
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

const ScanRanges::ModeRanges& ScanRanges::For(SolveMode mode) {
  Slot& slot = slots_[IndexOf(mode)];
  std::call_once(slot.once, [&] {
    slot.ranges = BuildRanges(mode);
    slot.built.store(true, std::memory_order_release);
  });
  return slot.ranges;
}

bool ScanRanges::IsBuilt(SolveMode mode) const {
  return slots_[IndexOf(mode)].built.load(std::memory_order_acquire);
}

std::size_t ScanRanges::BytesKept() const {
  std::size_t bytes = 0;
  for (const Slot& slot : slots_) {
    if (!slot.built.load(std::memory_order_acquire)) continue;
    bytes += slot.ranges.first_angles.capacity() * sizeof(double);
    for (const auto& bounds : slot.ranges.implied_per_unit) {
      bytes += bounds.capacity() * sizeof(scan::Interval);
    }
  }
  return bytes;
}

ScanRanges& SharedScanRanges() {
  static ScanRanges ranges;
  return ranges;
}

}  // namespace segcalc

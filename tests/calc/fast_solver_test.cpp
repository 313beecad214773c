#include "calc/fast_solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "calc/number_text.h"
#include "calc/pair_rules.h"
#include "solve_inputs.h"

namespace segcalc {
namespace {

using scan::InstructionSet;
using testing_support::AngleAt;
using testing_support::Describe;
using testing_support::DescribeDifference;
using testing_support::InputKind;
using testing_support::MakeSolveInput;
using testing_support::SolveInput;

constexpr auto kAC = InputPair::ArcAndChord;
constexpr auto kAH = InputPair::ArcAndHeight;
constexpr auto kCH = InputPair::ChordAndHeight;
constexpr auto kMinor = SolveMode::MinorArc;
constexpr auto kMajor = SolveMode::MajorArc;

std::vector<InstructionSet> SupportedSets() {
  std::vector<InstructionSet> sets;
  for (const InstructionSet set :
       {InstructionSet::Baseline, InstructionSet::Avx2, InstructionSet::Avx512}) {
    if (scan::IsSupported(set)) sets.push_back(set);
  }
  return sets;
}

// Solve and every instruction set this processor has, against the plain scan.
void ExpectSameAsScan(const SolveInput& input) {
  const SolveOutcome expected = SolveByScan(input.pair, input.mode, input.first, input.second);
  EXPECT_EQ(DescribeDifference(expected, Solve(input.pair, input.mode, input.first, input.second)),
            "")
      << Describe(input);
  for (const InstructionSet set : SupportedSets()) {
    const SolveOutcome actual = SolveWithRanges(SharedRangeBounds(), input.pair, input.mode,
                                                input.first, input.second, set);
    EXPECT_EQ(DescribeDifference(expected, actual), "")
        << Describe(input) << " instruction set " << static_cast<int>(set);
  }
}

// 12 groups of 168: 2,016 random inputs, split so that ctest can run the
// groups side by side.
constexpr int kInputsPerGroup = 168;
constexpr std::uint64_t kSeed = 20261208;

class DifferentialAgainstScan
    : public ::testing::TestWithParam<std::tuple<InputKind, InputPair, SolveMode>> {};

TEST_P(DifferentialAgainstScan, EveryFieldBitForBit) {
  const auto [kind, pair, mode] = GetParam();
  for (int i = 0; i < kInputsPerGroup; ++i) {
    ExpectSameAsScan(MakeSolveInput(kSeed, static_cast<std::uint64_t>(i), kind, pair, mode));
    if (HasFailure()) return;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Random, DifferentialAgainstScan,
    ::testing::Combine(::testing::Values(InputKind::Realistic, InputKind::Hostile),
                       ::testing::Values(kAC, kAH, kCH), ::testing::Values(kMinor, kMajor)));

// Cases each built to reach one particular path of the fast solve.
TEST(FastSolve, ChosenPathsAgreeWithTheScan) {
  // Going down, the radius of a huge arc grows until doubling it overflows,
  // which only the record of a match computes: the matching pass itself is
  // the faulting one, well before the radius alone overflows.
  const int match_pass = kScanPasses - 100;
  const double arc = 2.1e305;
  const double height = scan::ImpliedValue(kAH, kMajor, AngleAt(kMajor, match_pass), arc, 0);
  const SolveOutcome record_fault = SolveByScan(kAH, kMajor, arc, height);
  ASSERT_TRUE(record_fault.arithmetic_error);
  EXPECT_EQ(record_fault.fault_pass, match_pass);

  const struct {
    const char* name;
    SolveInput input;
  } cases[] = {
      {"record faults at its match", {kAH, kMajor, arc, height}},
      {"radius overflows late, after a match at 360", {kAC, kMajor, 1e305, 0}},
      {"first pass faults", {kCH, kMinor, 1e308, 1}},
      {"zeros match everywhere", {kCH, kMajor, 0, 0}},
      {"negative zero", {kAC, kMinor, -0.0, -0.0}},
      {"negative measurements", {kAH, kMajor, -1000, -340}},
      {"just below 2^52 hundredths", {kAH, kMinor, 4.5e13, 4503599627370.49}},
      {"at 2^52 hundredths", {kAH, kMinor, 1e14, 45035996273704.96}},
      {"rounding passes huge values through", {kAC, kMinor, 1e300, 1e300}},
      {"start-up values", {kAC, kMinor, 2491.78, 2067.63}},
      {"two runs of matches", {kAH, kMajor, 1000, 340}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectSameAsScan(c.input);
  }
}

// A solve builds the bounds of its own pair and mode only, and all of them
// together are far below the memory the solve may keep.
TEST(RangeBounds, BuiltPerPairAndModeAndSmall) {
  RangeBounds ranges;
  SolveWithRanges(ranges, kCH, kMajor, 1000, 300);
  for (const InputPair pair : {kAC, kAH, kCH}) {
    for (const SolveMode mode : {kMinor, kMajor}) {
      EXPECT_EQ(ranges.IsBuilt(pair, mode), pair == kCH && mode == kMajor);
    }
  }
  // Measurements where a pass may fault are classified in order, without bounds.
  SolveWithRanges(ranges, kAC, kMinor, 1e305, 1);
  EXPECT_FALSE(ranges.IsBuilt(kAC, kMinor));
  for (const InputPair pair : {kAC, kAH, kCH}) {
    for (const SolveMode mode : {kMinor, kMajor}) SolveWithRanges(ranges, pair, mode, 10, 5);
  }
  EXPECT_GT(ranges.BytesKept(), 0u);
  EXPECT_LE(ranges.BytesKept(), 8u * 1000 * 1000);
}

TEST(RangeBounds, StartAtTheAccumulatedAngles) {
  for (const SolveMode mode : {kMinor, kMajor}) {
    const RangeAngles& modes = RangeAnglesOf(mode);
    const std::vector<double>& angles = testing_support::ScanAngles(mode);
    ASSERT_EQ(modes.passes, kScanPasses);
    ASSERT_EQ(angles.size(), static_cast<std::size_t>(kScanPasses));
    ASSERT_EQ(modes.Count(), (kScanPasses + kRangePasses - 1) / kRangePasses);
    for (int r = 0; r < modes.Count(); ++r) {
      ASSERT_EQ(modes.first_angles[r], angles[static_cast<std::size_t>(r) * kRangePasses]) << r;
    }
    EXPECT_EQ(modes.last_angle, angles.back());
  }
  const std::vector<double>& minor = testing_support::ScanAngles(kMinor);
  EXPECT_GT(minor.back(), 359.999999998);
  EXPECT_LT(minor.back(), 360.0);
  // 46.5 would show here if the angle were recomputed from the pass count.
  EXPECT_EQ(RoundHalfEven2(minor[46489]), 46.49);
}

// Every pass's implied value, computed as the scan computes it, lies within
// the bound of its range and within the bound of its sub-range of 16 passes,
// for each pair and mode, at every angle.
TEST(RangeBounds, BoundsHoldEveryPassOfTheirRange) {
  RangeBounds ranges;
  for (const SolveMode mode : {kMinor, kMajor}) {
    const std::vector<double>& angles = testing_support::ScanAngles(mode);
    for (const InputPair pair : {kAC, kAH, kCH}) {
      const std::span<const scan::Interval> bounds = ranges.BoundsOf(pair, mode);
      const unsigned factors = BoundFactors(pair, mode);
      int outside = 0;
      for (std::size_t pass = 0; pass < angles.size(); ++pass) {
        const double implied = scan::ImpliedValue(pair, mode, angles[pass], 1.0, 0.0);
        const scan::Interval range = bounds[pass / kRangePasses];
        const std::size_t sub_begin = pass / 16 * 16;
        const std::size_t sub_end = std::min(sub_begin + 16, angles.size() - 1);
        const scan::Interval sub =
            ImpliedPerUnit(pair, mode, scan::TrigAtAngle(angles[sub_begin], factors),
                           scan::TrigAtAngle(angles[sub_end], factors));
        if (!(range.lo <= implied && implied <= range.hi) ||
            !(sub.lo <= implied && implied <= sub.hi)) {
          if (++outside <= 3) {
            ADD_FAILURE() << static_cast<int>(pair) << ' ' << static_cast<int>(mode) << " pass "
                          << pass << " implied " << implied << " range [" << range.lo << ", "
                          << range.hi << "] sub-range [" << sub.lo << ", " << sub.hi << "]";
          }
        }
      }
      EXPECT_EQ(outside, 0);
    }
  }
}

// Threads racing for the first use of the same ranges all get the same
// finished ranges, hence the same results.
TEST(RangeBounds, SharedBetweenThreadsFromTheFirstUse) {
  RangeBounds ranges;
  constexpr int kThreads = 4;
  std::vector<SolveOutcome> outcomes(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back(
        [&, t] { outcomes[t] = SolveWithRanges(ranges, kCH, kMajor, 1000, 1000); });
  }
  for (std::thread& thread : threads) thread.join();
  const SolveOutcome expected = SolveByScan(kCH, kMajor, 1000, 1000);
  ASSERT_TRUE(expected.result.found);
  for (const SolveOutcome& outcome : outcomes) EXPECT_EQ(DescribeDifference(expected, outcome), "");
}

}  // namespace
}  // namespace segcalc

#include "calc/fast_solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "solve_inputs.h"

namespace segcalc {
namespace {

using scan::InstructionSet;
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
    const SolveOutcome actual =
        SolveWithTables(SharedScanTables(), input.pair, input.mode, input.first, input.second, set);
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

// The angle at pass p of a mode, accumulated as the scan does.
double AngleAt(SolveMode mode, int pass) {
  const bool minor = mode == kMinor;
  double a = minor ? 0.001 : 360.0;
  for (int i = 0; i < pass; ++i) a = (minor ? 0.001 : -0.001) + a;
  return a;
}

// Cases each built to reach one particular path of the fast solve.
TEST(FastSolve, ChosenPathsAgreeWithTheScan) {
  // Going down, the radius of a huge arc grows until doubling it overflows,
  // which only the record of a match computes: the matching pass itself is
  // the faulting one, well before the radius alone overflows.
  const int match_pass = kScanPasses - 100;
  const double arc = 2.1e305;
  const double a = AngleAt(kMajor, match_pass);
  const double radius = (arc * 360.0) / (a * 6.28);
  const double height = std::cos((((360.0 - a) / 2.0) * 3.14) / 180.0) * radius + radius;
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

struct ColumnCase {
  InputPair pair;
  SolveMode mode;
  std::set<ScanColumn> columns;
};

// Each solve builds the angles of its mode and the one or two trigonometric
// columns its match test reads, and nothing of the other mode.
TEST(ScanTables, ASolveBuildsOnlyTheColumnsItReads) {
  using enum ScanColumn;
  const ColumnCase cases[] = {
      {kAC, kMinor, {Angle, SinMinorHalf}},
      {kAC, kMajor, {Angle, SinMajorHalf}},
      {kAH, kMinor, {Angle, CosMinorHalf}},
      {kAH, kMajor, {Angle, CosMajorHalf}},
      {kCH, kMinor, {Angle, SinMinorHalf, CosMinorHalf}},
      {kCH, kMajor, {Angle, SinMinorHalf, CosMajorHalf}},
  };
  for (const ColumnCase& c : cases) {
    ScanTables tables;
    SolveWithTables(tables, c.pair, c.mode, 1000, 300);
    for (const SolveMode mode : {kMinor, kMajor}) {
      for (int column = 0; column < kScanColumnCount; ++column) {
        const auto which = static_cast<ScanColumn>(column);
        EXPECT_EQ(tables.IsBuilt(mode, which), mode == c.mode && c.columns.contains(which))
            << static_cast<int>(c.pair) << ' ' << static_cast<int>(c.mode) << ' ' << column;
      }
    }
    EXPECT_EQ(tables.BytesBuilt(), c.columns.size() * kScanPasses * sizeof(double));
  }
}

TEST(ScanTables, AllSixCasesTogetherStayWithin24Megabytes) {
  ScanTables tables;
  for (const InputPair pair : {kAC, kAH, kCH}) {
    for (const SolveMode mode : {kMinor, kMajor}) SolveWithTables(tables, pair, mode, 10, 5);
  }
  EXPECT_EQ(tables.BytesBuilt(), 7u * kScanPasses * sizeof(double));
  EXPECT_LE(tables.BytesBuilt(), 24u * 1000 * 1000);
}

TEST(ScanTables, AnglesAreTheAccumulatedOnes) {
  ScanTables tables;
  for (const SolveMode mode : {kMinor, kMajor}) {
    const std::span<const double> angles = tables.Column(mode, ScanColumn::Angle);
    ASSERT_EQ(angles.size(), static_cast<std::size_t>(kScanPasses));
    for (const int pass : {0, 1, 46490, 179999, kScanPasses - 1}) {
      EXPECT_EQ(angles[pass], AngleAt(mode, pass)) << pass;
    }
  }
  const std::span<const double> minor = tables.Column(kMinor, ScanColumn::Angle);
  EXPECT_GT(minor.back(), 359.999999998);
  EXPECT_LT(minor.back(), 360.0);
}

// Threads racing for the first use of the same columns all get the same
// finished tables, hence the same results.
TEST(ScanTables, SharedBetweenThreadsFromTheFirstUse) {
  ScanTables tables;
  constexpr int kThreads = 4;
  std::vector<SolveOutcome> outcomes(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back(
        [&, t] { outcomes[t] = SolveWithTables(tables, kCH, kMajor, 1000, 1000); });
  }
  for (std::thread& thread : threads) thread.join();
  const SolveOutcome expected = SolveByScan(kCH, kMajor, 1000, 1000);
  ASSERT_TRUE(expected.result.found);
  for (const SolveOutcome& outcome : outcomes) EXPECT_EQ(DescribeDifference(expected, outcome), "");
}

}  // namespace
}  // namespace segcalc

#include "calc/segment_solver.h"

#include <gtest/gtest.h>

#include <ostream>

#include "calc/number_text.h"
#include "calc/scan_angles.h"

namespace segcalc {
namespace {

constexpr auto kAC = InputPair::ArcAndChord;
constexpr auto kAH = InputPair::ArcAndHeight;
constexpr auto kCH = InputPair::ChordAndHeight;
constexpr auto kMinor = SolveMode::MinorArc;
constexpr auto kMajor = SolveMode::MajorArc;

struct SolveCase {
  const char* name;
  InputPair pair;
  SolveMode mode;
  double first, second;
  bool found;
  double angle, radius, missing;
};

std::ostream& operator<<(std::ostream& out, const SolveCase& c) {
  return out << c.name;
}

class PinnedResults : public testing::TestWithParam<SolveCase> {};

TEST_P(PinnedResults, MatchTheScanRules) {
  const SolveCase& c = GetParam();
  const SolveOutcome outcome = SolveByScan(c.pair, c.mode, c.first, c.second);
  EXPECT_FALSE(outcome.arithmetic_error);
  ASSERT_EQ(outcome.result.found, c.found);
  if (!c.found) return;
  EXPECT_EQ(outcome.result.angle, c.angle);
  EXPECT_EQ(outcome.result.radius, c.radius);
  EXPECT_EQ(outcome.result.missing, c.missing);
}

INSTANTIATE_TEST_SUITE_P(StartUpValues, PinnedResults,
                         testing::Values(SolveCase{"minor", kAC, kMinor, 2491.78, 2067.63, true,
                                                   119.03, 1200, 591.83},
                                         SolveCase{"major", kAC, kMajor, 2491.78, 2067.63, true,
                                                   119.32, 1197.15, 592.41}));

// Two runs of matches: MinorArc reports from the upper run, MajorArc from the lower.
INSTANTIATE_TEST_SUITE_P(
    TwoRunsOfArcAndHeight, PinnedResults,
    testing::Values(SolveCase{"minor", kAH, kMinor, 1000, 340, true, 332.22, 172.55, 83.34},
                    SolveCase{"major", kAH, kMajor, 1000, 340, true, 204.52, 280.29, 547.72}));

INSTANTIATE_TEST_SUITE_P(
    ChordAndHeight, PinnedResults,
    testing::Values(SolveCase{"flat_minor", kCH, kMinor, 10, 0.01, true, 0.69, 834.43, 10},
                    SolveCase{"flat_major", kCH, kMajor, 10, 0.01, false, 0, 0, 0},
                    SolveCase{"jump_minor", kCH, kMinor, 1000, 1000, false, 0, 0, 0},
                    SolveCase{"one_pass_major", kCH, kMajor, 1000, 1000, true, 253.8, 624.7,
                              2765.74}));

INSTANTIATE_TEST_SUITE_P(
    NoMatch, PinnedResults,
    testing::Values(
        SolveCase{"short_arc_minor", kAC, kMinor, 100, 200, false, 0, 0, 0},
        SolveCase{"short_arc_major", kAC, kMajor, 100, 200, false, 0, 0, 0},
        SolveCase{"high_minor", kAH, kMinor, 1000, 400, false, 0, 0, 0},
        SolveCase{"high_major", kAH, kMajor, 1000, 400, false, 0, 0, 0},
        SolveCase{"between_minor", kAH, kMinor, 1000, 362.4, false, 0, 0, 0},
        SolveCase{"between_major", kAH, kMajor, 1000, 362.4, true, 261.7, 219.05, 331.26},
        SolveCase{"within_tolerance", kAC, kMinor, 10, 10.01, true, 8.88, 64.54, 0.72}));

// Zero matches on every pass, so the last pass decides: just below 360 going
// up, just above 0.001 going down.
INSTANTIATE_TEST_SUITE_P(
    Zeros, PinnedResults,
    testing::Values(SolveCase{"minor", kAC, kMinor, 0, 0, true, 360, 0, 0},
                    SolveCase{"major", kAC, kMajor, 0, 0, true, 0, 0, 0},
                    SolveCase{"height_minor", kAH, kMinor, 0, 0, true, 360, 0, 0},
                    SolveCase{"chord_height_major", kCH, kMajor, 0, 0, true, 0, 0, 0}));

// 46.5 would show if the angle were recomputed from the pass count.
TEST(AccumulatedAngle, DecidesTheReportedAngle) {
  const SolveOutcome outcome = SolveByScan(kAH, kMinor, 1000, 100);
  ASSERT_TRUE(outcome.result.found);
  EXPECT_EQ(outcome.result.angle, 46.49);
}

TEST(ArithmeticFault, HugeArcLengthFaultsOnTheFirstPass) {
  for (const SolveMode mode : {kMinor, kMajor}) {
    for (const InputPair pair : {kAC, kAH}) {
      const SolveOutcome outcome = SolveByScan(pair, mode, 1e308, 5);
      EXPECT_TRUE(outcome.arithmetic_error);
      EXPECT_EQ(outcome.fault_pass, 0);
      EXPECT_FALSE(outcome.result.found);
    }
  }
  const SolveOutcome chord = SolveByScan(kCH, kMinor, 1e308, 1);
  EXPECT_TRUE(chord.arithmetic_error);
  EXPECT_EQ(chord.fault_pass, 0);
}

// Going down from 360 the first pass matches (sin 0 times R is 0); the radius
// overflows only once a * 6.28 drops below about 0.2, near the end of the scan.
TEST(ArithmeticFault, PartWayFaultCarriesTheLastMatchBeforeIt) {
  const SolveOutcome outcome = SolveByScan(kAC, kMajor, 1e305, 0);
  EXPECT_TRUE(outcome.arithmetic_error);
  EXPECT_GT(outcome.fault_pass, 359000);
  EXPECT_LT(outcome.fault_pass, kScanPasses);
  ASSERT_TRUE(outcome.result.found);
  EXPECT_EQ(outcome.result.angle, 360);
  const double radius = (1e305 * 360.0) / (360.0 * scan::kScanTwoPi);
  EXPECT_EQ(outcome.result.radius, RoundHalfEven2(radius));
  EXPECT_EQ(outcome.result.missing, RoundHalfEven2((radius + radius) - RoundHalfEven2(radius)));

  // Going up, the first pass already overflows.
  const SolveOutcome minor = SolveByScan(kAC, kMinor, 1e305, 0);
  EXPECT_TRUE(minor.arithmetic_error);
  EXPECT_EQ(minor.fault_pass, 0);
  EXPECT_FALSE(minor.result.found);
}

TEST(ArithmeticFault, FiniteExtremesThatDoNotOverflowSolveNormally) {
  const SolveOutcome outcome = SolveByScan(kAC, kMinor, 1e300, 1e300);
  EXPECT_FALSE(outcome.arithmetic_error);
  EXPECT_EQ(outcome.fault_pass, -1);
}

TEST(Solve, AgreesWithTheScan) {
  const struct {
    const char* name;
    InputPair pair;
    SolveMode mode;
    double first, second;
  } cases[] = {{"a", kAC, kMinor, 2491.78, 2067.63},
               {"b", kAH, kMajor, 1000, 340},
               {"c", kCH, kMajor, 1000, 1000},
               {"d", kAC, kMajor, 1e305, 0}};
  for (const auto& c : cases) {
    const SolveOutcome fast = Solve(c.pair, c.mode, c.first, c.second);
    const SolveOutcome plain = SolveByScan(c.pair, c.mode, c.first, c.second);
    EXPECT_EQ(fast.result.found, plain.result.found) << c.name;
    EXPECT_EQ(fast.result.angle, plain.result.angle) << c.name;
    EXPECT_EQ(fast.result.radius, plain.result.radius) << c.name;
    EXPECT_EQ(fast.result.missing, plain.result.missing) << c.name;
    EXPECT_EQ(fast.arithmetic_error, plain.arithmetic_error) << c.name;
    EXPECT_EQ(fast.fault_pass, plain.fault_pass) << c.name;
  }
}

}  // namespace
}  // namespace segcalc

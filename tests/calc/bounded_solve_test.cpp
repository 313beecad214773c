// Inputs built where a bound of the fast solve would go wrong first: given
// values a hair either side of a rounding boundary, runs of matches that end
// at a range border, flat and nearly full arcs, the two runs of ArcAndHeight,
// and magnitudes from 1e-300 up to where passes fault. Each is solved by Solve
// and on every instruction set, and compared with the plain scan.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "calc/fast_solver.h"
#include "calc/pair_rules.h"
#include "solve_inputs.h"

namespace segcalc {
namespace {

using testing_support::AngleAt;
using testing_support::Describe;
using testing_support::DescribeDifference;
using testing_support::SolveInput;

constexpr auto kAC = InputPair::ArcAndChord;
constexpr auto kAH = InputPair::ArcAndHeight;
constexpr auto kCH = InputPair::ChordAndHeight;
constexpr auto kMinor = SolveMode::MinorArc;
constexpr auto kMajor = SolveMode::MajorArc;

struct PairAndMode {
  InputPair pair;
  SolveMode mode;
};

constexpr PairAndMode kAllCases[] = {{kAC, kMinor}, {kAC, kMajor}, {kAH, kMinor},
                                     {kAH, kMajor}, {kCH, kMinor}, {kCH, kMajor}};

std::string Name(const ::testing::TestParamInfo<PairAndMode>& info) {
  static constexpr const char* kPairs[] = {"ArcAndChord", "ArcAndHeight", "ChordAndHeight"};
  return std::string(kPairs[static_cast<int>(info.param.pair)]) +
         (info.param.mode == kMinor ? "Minor" : "Major");
}

// The outcome of the plain scan, after checking that Solve and every
// instruction set give the same.
SolveOutcome ExpectSameAsScan(const SolveInput& input) {
  const SolveOutcome expected = SolveByScan(input.pair, input.mode, input.first, input.second);
  EXPECT_EQ(DescribeDifference(expected, Solve(input.pair, input.mode, input.first, input.second)),
            "")
      << Describe(input);
  for (const scan::InstructionSet set :
       {scan::InstructionSet::Baseline, scan::InstructionSet::Avx2, scan::InstructionSet::Avx512}) {
    if (!scan::IsSupported(set)) continue;
    const SolveOutcome actual = SolveWithRanges(SharedRangeBounds(), input.pair, input.mode,
                                                input.first, input.second, set);
    EXPECT_EQ(DescribeDifference(expected, actual), "")
        << Describe(input) << " instruction set " << static_cast<int>(set);
  }
  return expected;
}

// The given second measurement whose compared value is `compared`.
double GivenFor(InputPair pair, double compared) {
  return pair == kAC ? compared * 2.0 : compared;
}

double Implied(InputPair pair, SolveMode mode, int pass, double first) {
  return scan::ImpliedValue(pair, mode, AngleAt(mode, pass), first, 0.0);
}

double UlpsAway(double x, int ulps) {
  const double toward =
      ulps < 0 ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
  for (int i = 0; i < std::abs(ulps); ++i) x = std::nextafter(x, toward);
  return x;
}

double FirstFor(InputPair pair) {
  return pair == kCH ? 2067.63 : 2491.78;
}

class BoundedSolve : public ::testing::TestWithParam<PairAndMode> {};

// The plain scan's own implied value at chosen passes (range and sub-range
// borders, the first and the last), shifted by half a hundredth either way
// and then by a few doubles: given values one hundredth off, whose rounding
// boundary lies near the pass.
TEST_P(BoundedSolve, GivenValuesHalfAHundredthFromAnImpliedValue) {
  const auto [pair, mode] = GetParam();
  int found = 0;
  for (const int pass : {0, 511, 512, 100015, 100016, kScanPasses - 1}) {
    const double implied = Implied(pair, mode, pass, FirstFor(pair));
    for (const double shift : {-0.005, 0.0, 0.005}) {
      for (const int ulps : {-2, 2}) {
        const double compared = UlpsAway(implied + shift, ulps);
        found +=
            ExpectSameAsScan({pair, mode, FirstFor(pair), GivenFor(pair, compared)}).result.found;
        if (HasFailure()) return;
      }
    }
  }
  // Values two doubles from the implied one match at their own pass at least.
  EXPECT_GE(found, 6 * 2);
}

// The first measurement scaled so that the implied value at a chosen pass
// lies within a few doubles of a rounding boundary (half a hundredth), and the
// given value rounding to either neighbouring hundredth: the pass is just in
// or just out.
TEST_P(BoundedSolve, ImpliedValuesAHairFromARoundingBoundary) {
  const auto [pair, mode] = GetParam();
  for (const int pass : {511, 512, 100015, kScanPasses - 1}) {
    const double implied = Implied(pair, mode, pass, FirstFor(pair));
    const double boundary = std::floor(implied * 100.0) / 100.0 + 0.005;
    const double scaled = FirstFor(pair) * (boundary / implied);
    for (const int ulps : {-2, -1, 0, 1, 2}) {
      const double first = UlpsAway(scaled, ulps);
      for (const double compared : {boundary - 0.005, boundary + 0.005}) {
        ExpectSameAsScan({pair, mode, first, GivenFor(pair, compared)});
        if (HasFailure()) return;
      }
    }
  }
}

// The first measurement scaled so that a rounding boundary falls between a
// pass at a border and its neighbour: the run of matches starts or ends
// exactly there.
TEST_P(BoundedSolve, RunsOfMatchesEndingAtRangeBorders) {
  const auto [pair, mode] = GetParam();
  int built = 0;
  for (const int pass : {kRangePasses - 1, kRangePasses, 200 * kRangePasses - 1,
                         200 * kRangePasses + 15, 702 * kRangePasses - 1, kScanPasses - 2}) {
    const double here = Implied(pair, mode, pass, 1.0);
    const double next = Implied(pair, mode, pass + 1, 1.0);
    if (!(std::fabs(here - next) > 1e-12 * std::fabs(here))) continue;
    const double first = 1000.005 / ((here + next) / 2.0);
    if (!(first > 0 && first < 1e12)) continue;
    const double compared = RoundHalfEven2(Implied(pair, mode, pass, first));
    const double other = RoundHalfEven2(Implied(pair, mode, pass + 1, first));
    if (compared == other) continue;  // the boundary missed the gap
    ++built;
    const SolveOutcome outcome = ExpectSameAsScan({pair, mode, first, GivenFor(pair, compared)});
    EXPECT_TRUE(outcome.result.found) << pass;
    if (HasFailure()) return;
  }
  EXPECT_GE(built, 4);
}

// Implied values from 1e-300 up to where the radius or a record overflows,
// given so that a chosen pass matches, and a few that match nowhere.
TEST_P(BoundedSolve, MagnitudesUpToTheFaultThreshold) {
  const auto [pair, mode] = GetParam();
  for (const double first :
       {1e-300, 3e-200, 1e-100, 1e-10, 0.5, 1e10, 1e100, 1e200, 1e300, std::nextafter(1e300, 2e300),
        1e302, 1e304, 1e305, 2e305, 1e306, 1e307, 1e308, -1e-300, -1e300}) {
    const double compared = Implied(pair, mode, 250'000, first);
    ExpectSameAsScan({pair, mode, first, GivenFor(pair, compared)});
    ExpectSameAsScan({pair, mode, first, GivenFor(pair, -compared)});
    if (HasFailure()) return;
  }
}

INSTANTIATE_TEST_SUITE_P(EachPairAndMode, BoundedSolve, ::testing::ValuesIn(kAllCases), Name);

TEST(BoundedSolve, FlatAndNearlyFullArcs) {
  const SolveInput cases[] = {
      {kCH, kMinor, 10, 0.01},    {kCH, kMajor, 10, 0.01},     {kCH, kMinor, 1000, 0.01},
      {kCH, kMajor, 1000, 0.01},  {kCH, kMinor, 0.02, 1000},   {kCH, kMajor, 0.02, 1000},
      {kCH, kMajor, 1000, 1000},  {kAC, kMinor, 1000, 999.99}, {kAC, kMajor, 1000, 999.99},
      {kAC, kMinor, 1000, 0.05},  {kAC, kMajor, 1000, 0.05},   {kAC, kMinor, 1000, 0.01},
      {kAC, kMajor, 1000, 0},     {kAH, kMinor, 1000, 0.01},   {kAH, kMajor, 1000, 0.01},
      {kAH, kMinor, 1000, 362.3}, {kAH, kMajor, 1000, 362.6},  {kAH, kMinor, 1e6, 0.01},
      {kAC, kMinor, 10, 10.01},   {kAC, kMajor, 0.01, 0.02},   {kAH, kMajor, 0.01, 0},
  };
  for (const SolveInput& input : cases) {
    ExpectSameAsScan(input);
    if (HasFailure()) return;
  }
}

// The chord height of a fixed arc length rises up to about 267 degrees and
// falls after it: two runs, of which MinorArc reports the upper and MajorArc
// the lower.
TEST(BoundedSolve, TwoRunsOfArcAndHeight) {
  int found = 0;
  for (const double arc : {50.0, 1000.0, 2491.78}) {
    for (const double share : {0.2, 0.34, 0.36}) {
      for (const SolveMode mode : {kMinor, kMajor}) {
        found += ExpectSameAsScan({kAH, mode, arc, std::round(arc * share * 100.0) / 100.0})
                     .result.found;
        if (HasFailure()) return;
      }
    }
  }
  EXPECT_GE(found, 12);
}

}  // namespace
}  // namespace segcalc

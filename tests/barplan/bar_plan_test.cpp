#include "geometry/barplan/bar_plan_solver.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "shopfloor/bar_plan_text.h"
#include "tests/barplan/plan_checker.h"

namespace segcalc::barplan {
namespace {

using testing::CheckPlan;

// Solves and checks the plan with the independent checker.
BarPlan Solved(const PlanRequest& request, const SolveOptions& options = {}) {
  const Checked<BarPlan> plan = SolveBarPlan(request, options);
  EXPECT_TRUE(plan.ok()) << plan.error;
  if (!plan.ok()) return {};
  for (const std::string& wrong : CheckPlan(request, *plan.value)) ADD_FAILURE() << wrong;
  return *plan.value;
}

PlanRequest Pieces(std::vector<double> bars, std::vector<std::pair<double, long long>> pieces) {
  PlanRequest request;
  request.bar_lengths = std::move(bars);
  std::size_t line = 0;
  for (const auto& [length, quantity] : pieces)
    request.pieces.push_back({length, quantity, "", ++line});
  return request;
}

std::string Text(const BarPlan& plan) {
  std::ostringstream out;
  WriteBarPlanText(out, plan, {".", ","});
  return out.str();
}

struct Published {
  const char* name;
  double bar;
  std::vector<std::pair<double, long long>> pieces;
  long long optimum;  // bars
  long long bound;    // the LP bound rounded up, bars
};

class PublishedInstance : public ::testing::TestWithParam<Published> {};

// Each is solved to its known optimum, and the plan says so where the LP
// bound proves it.
TEST_P(PublishedInstance, ReachesTheKnownOptimum) {
  const Published& instance = GetParam();
  const BarPlan plan = Solved(Pieces({instance.bar}, instance.pieces));
  EXPECT_EQ(plan.new_bar_count, instance.optimum);
  ASSERT_TRUE(plan.bound_bars.has_value());
  EXPECT_EQ(*plan.bound_bars, instance.bound);
  EXPECT_EQ(plan.proven, instance.optimum == instance.bound);
}

INSTANTIATE_TEST_SUITE_P(
    BarPlan, PublishedInstance,
    ::testing::Values(
        // Wikipedia, "Cutting stock problem", the illustration of the
        // one-dimensional problem: 5600 mm master rolls, 13 widths, 219
        // rolls; 308 patterns; optimum 73 rolls (407,160 mm / 5600 = 72.7).
        Published{"wikipedia_13_widths",
                  5600,
                  {{1380, 22},
                   {1520, 25},
                   {1560, 12},
                   {1710, 14},
                   {1820, 18},
                   {1880, 18},
                   {1930, 20},
                   {2000, 10},
                   {2050, 12},
                   {2100, 14},
                   {2140, 16},
                   {2150, 18},
                   {2200, 20}},
                  73,
                  73},
        // V. Chvátal, Linear Programming (1983), ch. 13, as given by the NEOS
        // Guide's cutting stock case study and the GAMS model library's
        // cutstock.gms (Gilmore and Gomory): 100 in rolls; LP 452.25, so 453.
        Published{"chvatal_100_inch", 100, {{45, 97}, {36, 610}, {31, 395}, {14, 211}}, 453, 453},
        // Fourer, Gay and Kernighan, AMPL (2nd ed.), ch. 14, the Gilmore-Gomory
        // example (cut.dat): 110 in rolls; 47 rolls, which CBC confirms over
        // all 25 patterns.
        Published{"ampl_110_inch", 110, {{20, 48}, {45, 35}, {50, 24}, {55, 10}, {75, 8}}, 47, 47},
        // Chvátal, ibid., the 380 in example with half-inch widths (in tenths
        // here: the grid keeps them exact); 37 rolls, which CBC confirms over
        // all 136 patterns.
        Published{"chvatal_380_inch",
                  3800,
                  {{1285, 20}, {1260, 9}, {1005, 22}, {865, 19}, {820, 56}, {705, 23}},
                  37,
                  37}),
    [](const ::testing::TestParamInfo<Published>& info) { return std::string(info.param.name); });

TEST(BarPlan, HalfUnitsFitExactlyOnTheGrid) {
  // 128.5 + 126 + 125.5 = 380 exactly, whatever the doubles' sum says.
  const BarPlan plan = Solved(Pieces({380}, {{128.5, 1}, {126, 1}, {125.5, 1}}));
  EXPECT_EQ(plan.new_bar_count, 1);
  ASSERT_EQ(plan.patterns.size(), 1u);
  EXPECT_EQ(plan.patterns[0].leftover, 0);
  // Ten pieces of 0.1 in a bar of 1: 0.1 + ... + 0.1 is not 1 in doubles.
  EXPECT_EQ(Solved(Pieces({1}, {{0.1, 10}})).new_bar_count, 1);
}

struct RuleCase {
  const char* name;
  PlanRequest request;
  long long new_bars;
  double new_length;
  double longest_leftover;
  long long rack_bars;
};

TEST(BarPlan, SawRulesAndTheObjectiveOrderOnHandCheckedCases) {
  const auto with = [](PlanRequest request, auto change) {
    change(request);
    return request;
  };
  const RuleCase cases[] = {
      {"four_fit_without_kerf", Pieces({1000}, {{250, 4}}), 1, 1000, 0, 0},
      {"kerf_pushes_the_fourth_off",
       with(Pieces({1000}, {{250, 4}}), [](PlanRequest& r) { r.kerf = 1; }), 2, 2000, 749, 0},
      // A + B + (l + K) = 10 + 20 + 965 + 5 = 1000: fits to the step.
      {"ends_and_kerf_fit_exactly",
       with(Pieces({1000}, {{965, 2}}),
            [](PlanRequest& r) {
              r.kerf = 5;
              r.end_a = 10;
              r.end_b = 20;
            }),
       2, 2000, 0, 0},
      {"one_step_over_takes_another_bar",
       with(Pieces({1000}, {{965, 1}, {1, 1}}),
            [](PlanRequest& r) {
              r.kerf = 5;
              r.end_a = 10;
              r.end_b = 20;
            }),
       2, 2000, 964, 0},
      // Least new length first: one 5000 bar rather than two of 3000.
      {"least_new_length", Pieces({3000, 5000}, {{2400, 2}}), 1, 5000, 200, 0},
      // The same length either way: the fewer bars.
      {"fewest_bars_on_a_tie", Pieces({2000, 4000}, {{1000, 4}}), 1, 4000, 0, 0},
      // Two bars either way: the pieces packed so that one leftover is whole.
      {"longest_leftover_last", Pieces({3000}, {{1000, 3}, {500, 2}}), 2, 6000, 2000, 0},
      {"rack_before_new",
       with(Pieces({6000}, {{1200, 2}}),
            [](PlanRequest& r) {
              r.rack = {{2500, 1, 1}};
            }),
       0, 0, 100, 1},
      // One new bar either way: the rack's bar is left, as one bar beats two.
      {"rack_left_when_it_saves_no_new_length",
       with(Pieces({6000}, {{1200, 4}}),
            [](PlanRequest& r) {
              r.rack = {{2500, 1, 1}};
            }),
       1, 6000, 1200, 0},
      {"rack_and_new_when_the_rack_saves_a_bar",
       with(Pieces({6000}, {{1200, 6}}),
            [](PlanRequest& r) {
              r.rack = {{2500, 1, 1}};
            }),
       1, 6000, 1200, 1},
  };
  for (const RuleCase& c : cases) {
    SCOPED_TRACE(c.name);
    const BarPlan plan = Solved(c.request);
    EXPECT_EQ(plan.new_bar_count, c.new_bars);
    EXPECT_EQ(plan.new_length, c.new_length);
    EXPECT_EQ(plan.longest_leftover, c.longest_leftover);
    EXPECT_EQ(plan.rack_bar_count, c.rack_bars);
  }
}

TEST(BarPlan, LeftoversAtLeastTheMinimumGoBackToTheRack) {
  for (const auto& [minimum, offcut] : {std::pair{500.0, true}, {1000.0, true}, {1000.01, false}}) {
    PlanRequest request = Pieces({6000}, {{5000, 1}});
    request.min_offcut = minimum;
    const BarPlan plan = Solved(request);
    ASSERT_EQ(plan.patterns.size(), 1u);
    EXPECT_EQ(plan.patterns[0].offcut, offcut) << minimum;
    EXPECT_EQ(plan.offcut_length, offcut ? 1000 : 0);
    EXPECT_EQ(plan.scrap_length, offcut ? 0 : 1000);
  }
}

TEST(BarPlan, MarksFollowTheirLinesAndSplitBarsOnlyWhereTheyChange) {
  PlanRequest request = Pieces({3000}, {});
  request.pieces = {{1000, 4, "A", 1}, {1000, 2, "B", 2}, {500, 2, "C", 3}};
  const BarPlan plan = Solved(request);
  EXPECT_EQ(plan.new_bar_count, 3);
  long long a = 0;
  for (const PlanPattern& pattern : plan.patterns) {
    for (const CutRun& run : pattern.cuts) a += run.mark == "A" ? run.count * pattern.bars : 0;
  }
  EXPECT_EQ(a, 4);
}

// A small random generator of its own: the same lists on every build.
const char* const kMarks[] = {"", "", "M1", "门框"};

class Lists {
 public:
  explicit Lists(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next(std::uint64_t below) {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return (state_ >> 33) % below;
  }
  PlanRequest Request() {
    PlanRequest request;
    request.bar_lengths = {static_cast<double>(3000 + 500 * Next(7))};
    if (Next(3) == 0) request.bar_lengths.push_back(request.bar_lengths[0] + 1500);
    const std::uint64_t lengths = 1 + Next(12);
    for (std::uint64_t i = 0; i < lengths; ++i) {
      request.pieces.push_back({static_cast<double>(200 + Next(260000)) / 100.0,
                                static_cast<long long>(1 + Next(9)), kMarks[Next(4)],
                                static_cast<std::size_t>(i + 1)});
    }
    if (Next(2)) request.kerf = static_cast<double>(Next(6));
    if (Next(3) == 0) request.end_a = request.end_b = 10;
    if (Next(3) == 0)
      request.rack = {
          {static_cast<double>(1000 + Next(2000)), 1 + static_cast<long long>(Next(3)), 1}};
    request.min_offcut = static_cast<double>(Next(800));
    return request;
  }

 private:
  std::uint64_t state_;
};

TEST(BarPlan, RandomListsGiveSoundPlansNeverBelowTheBoundAndTheSameTwice) {
  Lists lists(20261209);
  for (int i = 0; i < 60; ++i) {
    const PlanRequest request = lists.Request();
    SCOPED_TRACE(i);
    const BarPlan first = Solved(request);
    const BarPlan second = Solved(request);
    EXPECT_EQ(Text(first), Text(second));
    EXPECT_GE(first.new_length, first.bound_length);
  }
}

TEST(BarPlan, StopsAtItsWorkBoundWithASoundPlanAndReportsProgress) {
  Lists lists(7);
  PlanRequest request = Pieces({6000}, {});
  for (int i = 0; i < 150; ++i) {
    request.pieces.push_back({static_cast<double>(300 + lists.Next(2200)),
                              1 + static_cast<long long>(lists.Next(5)), "",
                              static_cast<std::size_t>(i + 1)});
  }
  std::vector<double> fractions;
  SolveOptions options;
  options.work_limit = 200'000;
  options.progress = [&](const PlanProgress& progress) { fractions.push_back(progress.fraction); };
  const BarPlan plan = Solved(request, options);
  EXPECT_TRUE(plan.stopped);
  EXPECT_GE(plan.new_length, plan.bound_length);
  ASSERT_FALSE(fractions.empty());
  for (std::size_t k = 0; k < fractions.size(); ++k) {
    EXPECT_GE(fractions[k], k > 0 ? fractions[k - 1] : 0.0);
    EXPECT_LE(fractions[k], 1.0);
  }
  EXPECT_FALSE(Solved(request).stopped);
}

struct Hostile {
  const char* name;
  PlanRequest request;
  const char* reason_has;
};

TEST(BarPlan, HostileListsAreRefusedWithAReason) {
  const auto with = [](PlanRequest request, auto change) {
    change(request);
    return request;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Hostile cases[] = {
      {"longer_than_every_bar", Pieces({6000, 3000}, {{100, 1}, {200, 1}, {6000.01, 1}}),
       "第 3 行"},
      {"kerf_makes_it_too_long",
       with(Pieces({6000}, {{6000, 1}}), [](PlanRequest& r) { r.kerf = 1; }), "第 1 行"},
      {"bar_of_zero", Pieces({0}, {{100, 1}}), "原料长度"},
      {"bar_nan", Pieces({nan}, {{100, 1}}), "原料长度"},
      {"bar_negative", Pieces({-6000}, {{100, 1}}), "原料长度"},
      {"no_stock", Pieces({}, {{100, 1}}), "未给出原料长度"},
      {"kerf_nan", with(Pieces({6000}, {{100, 1}}), [&](PlanRequest& r) { r.kerf = nan; }), "锯缝"},
      {"kerf_negative", with(Pieces({6000}, {{100, 1}}), [](PlanRequest& r) { r.kerf = -1; }),
       "锯缝"},
      {"ends_negative", with(Pieces({6000}, {{100, 1}}), [](PlanRequest& r) { r.end_b = -1; }),
       "端头"},
      {"ends_eat_the_bar", with(Pieces({6000}, {{100, 1}}), [](PlanRequest& r) { r.end_a = 6000; }),
       "端头"},
      {"quantity_of_a_trillion", Pieces({6000}, {{100, 1'000'000'000'000}}), "零件太多"},
      {"quantities_add_up_too_far", Pieces({6000}, {{100, 600'000}, {200, 600'000}}), "第 2 行"},
      {"quantity_zero", Pieces({6000}, {{100, 0}}), "数量"},
      {"piece_nan", Pieces({6000}, {{nan, 1}}), "长度"},
      {"piece_infinite", Pieces({6000}, {{std::numeric_limits<double>::infinity(), 1}}), "长度"},
      {"piece_below_the_grid", Pieces({6000}, {{0.001, 1}}), "长度不足"},
      {"no_pieces", Pieces({6000}, {}), "没有要切的零件"},
      {"places_out_of_range",
       with(Pieces({6000}, {{100, 1}}), [](PlanRequest& r) { r.places = 9; }), "小数位数"},
      {"rack_alone_too_small",
       with(Pieces({}, {{1000, 3}}),
            [](PlanRequest& r) {
              r.rack = {{2500, 1, 4}};
            }),
       "第 1 行"},
      {"mark_a_paragraph",
       with(Pieces({6000}, {}),
            [](PlanRequest& r) {
              r.pieces = {{100, 1, std::string(300, 'x'), 5}};
            }),
       "标记太长"},
  };
  for (const Hostile& c : cases) {
    const Checked<BarPlan> plan = SolveBarPlan(c.request);
    EXPECT_FALSE(plan.ok()) << c.name;
    EXPECT_NE(plan.error.find(c.reason_has), std::string::npos) << c.name << ": " << plan.error;
  }
}

TEST(BarPlan, AMillionPiecesArePlannedInCountsNotOneByOne) {
  // Few lengths: the LP's plan, bar counts in the hundreds of thousands.
  PlanRequest few = Pieces({6000}, {{1500, 500'000}, {1000, 400'000}, {700, 100'000}});
  const BarPlan plan = Solved(few);
  EXPECT_LE(plan.patterns.size(), 10u);
  EXPECT_LE(plan.new_bar_count - *plan.bound_bars, 1);
  // Many lengths, beyond the LP: filled longest first, still every piece.
  PlanRequest many = Pieces({6000}, {});
  for (int i = 0; i < 5000; ++i) {
    many.pieces.push_back({500 + i * 0.5, 200, "", static_cast<std::size_t>(i + 1)});
  }
  const BarPlan spread = Solved(many);
  EXPECT_GE(spread.new_length, spread.bound_length);
  // Many stock lengths too: past its work the plan fills the rest longest
  // first instead of a knapsack a bar for each length.
  PlanRequest stocks = Pieces({}, {});
  for (int s = 0; s < 50; ++s) stocks.bar_lengths.push_back(3000 + 97 * s);
  for (int i = 0; i < 500; ++i) {
    stocks.pieces.push_back({200 + i * 5.3, 2000, "", static_cast<std::size_t>(i + 1)});
  }
  SolveOptions options;
  options.work_limit = 100'000'000;
  EXPECT_TRUE(Solved(stocks, options).stopped);
  PlanRequest too_many = Pieces({6000}, {});
  for (int i = 0; i < 10'001; ++i) {
    too_many.pieces.push_back({100 + i * 0.01, 1, "", static_cast<std::size_t>(i + 1)});
  }
  EXPECT_NE(SolveBarPlan(too_many).error.find("不同长度的零件太多"), std::string::npos);
}

}  // namespace
}  // namespace segcalc::barplan

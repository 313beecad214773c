#include "barplan_bench.h"

#include <benchmark/benchmark.h>

#include <cstdio>

#include "barplan_lists.h"
#include "geometry/barplan/bar_plan_solver.h"

namespace segcalc::bench {
namespace {

constexpr const char* kPublished = "BarPlan/published-13-lengths";
constexpr const char* kThousands = "BarPlan/2000-pieces-300-lengths";

void Plan(benchmark::State& state, const barplan::PlanRequest& request) {
  barplan::BarPlan plan;
  for (auto _ : state) {
    const Checked<barplan::BarPlan> solved = barplan::SolveBarPlan(request);
    if (!solved.ok()) {
      state.SkipWithError(solved.error.c_str());
      return;
    }
    plan = *solved.value;
  }
  state.counters["bars"] = static_cast<double>(plan.new_bar_count);
  state.counters["bound"] = static_cast<double>(plan.bound_bars.value_or(-1));
  state.counters["proven"] = plan.proven ? 1 : 0;
  state.counters["stopped"] = plan.stopped ? 1 : 0;
}

const char* Verdict(bool met) {
  return met ? "met" : "NOT MET";
}

}  // namespace

void RegisterBarPlans() {
  benchmark::RegisterBenchmark(kPublished, [](benchmark::State& state) {
    Plan(state, PublishedThirteenLengths());
  })->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark(kThousands,
                               [](benchmark::State& state) { Plan(state, ThousandsOfPieces()); })
      ->Unit(benchmark::kMillisecond)
      ->Iterations(5)
      ->UseRealTime();
}

void PrintBarPlanSummary(const SummaryReporter& report) {
  const double published = report.Seconds(kPublished);
  if (published > 0) {
    const bool proven = report.Counter(kPublished, "proven") == 1;
    std::printf(
        "bar plan, published 13 lengths (5600 bars, 219 pieces): %.0f bars, bound %.0f, %s, "
        "%.2f ms (target 50 ms and proven: %s)\n",
        report.Counter(kPublished, "bars"), report.Counter(kPublished, "bound"),
        proven ? "proven" : "NOT proven", published * 1e3, Verdict(proven && published <= 0.05));
  }
  const double thousands = report.Seconds(kThousands);
  if (thousands > 0) {
    const double gap = report.Counter(kThousands, "bars") - report.Counter(kThousands, "bound");
    std::printf(
        "bar plan, 2,000 pieces of 300 lengths on 6 m bars: %.0f bars, bound %.0f, gap %.0f "
        "bar(s)%s, %.3f s (target 1 s and a gap of at most 1: %s)\n",
        report.Counter(kThousands, "bars"), report.Counter(kThousands, "bound"), gap,
        report.Counter(kThousands, "stopped") == 1 ? ", stopped at the work bound" : "", thousands,
        Verdict(thousands <= 1.0 && gap <= 1));
  }
}

}  // namespace segcalc::bench

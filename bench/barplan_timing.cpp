// Times the bar plan of the published 13-length list and prints the
// nanoseconds per plan with a digest of the plan's text; then the 2,000-piece
// list once, with its bars and bound. Built natively (build-bench) and for
// WebAssembly under node (build-web): `make bench` sets the page's engine
// beside the native program, and equal digests say both made the same plans.
//
//   barplan_timing [seconds]

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "barplan_lists.h"
#include "geometry/barplan/bar_plan_solver.h"
#include "shopfloor/bar_plan_text.h"

namespace {

std::uint64_t Digest(const segcalc::barplan::BarPlan& plan) {
  std::ostringstream text;
  segcalc::WriteBarPlanText(text, plan, {".", ","});
  std::uint64_t digest = 14695981039346656037ULL;
  for (const char c : text.str())
    digest = (digest ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
  return digest;
}

}  // namespace

int main(int argc, char** argv) {
  using Clock = std::chrono::steady_clock;
  const double seconds = argc > 1 ? std::atof(argv[1]) : 2.0;
  const segcalc::barplan::PlanRequest published = segcalc::bench::PublishedThirteenLengths();
  const auto first = segcalc::barplan::SolveBarPlan(published);
  if (!first.ok()) return 1;
  std::uint64_t digest = Digest(*first.value);
  const Clock::time_point start = Clock::now();
  std::int64_t plans = 0;
  do {
    if (!segcalc::barplan::SolveBarPlan(published).ok()) return 1;
    ++plans;
  } while (std::chrono::duration<double>(Clock::now() - start).count() < seconds);
  const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
  const Clock::time_point big_start = Clock::now();
  const auto big = segcalc::barplan::SolveBarPlan(segcalc::bench::ThousandsOfPieces());
  const double big_seconds = std::chrono::duration<double>(Clock::now() - big_start).count();
  if (!big.ok()) return 1;
  digest = digest * 31 + Digest(*big.value);
  std::printf(
      "ns_per_plan %.1f\nplans %lld\nbars %lld\nlarge_seconds %.4f\nlarge_bars %lld\n"
      "large_bound %lld\ndigest %016llx\n",
      elapsed * 1e9 / static_cast<double>(plans), static_cast<long long>(plans),
      static_cast<long long>(first.value->new_bar_count), big_seconds,
      static_cast<long long>(big.value->new_bar_count),
      static_cast<long long>(big.value->bound_bars.value_or(-1)),
      static_cast<unsigned long long>(digest));
  return 0;
}

#include "tests/barplan/plan_checker.h"

#include <cmath>
#include <cstdint>
#include <map>
#include <set>
#include <utility>

namespace segcalc::barplan::testing {
namespace {

// Lengths on the request's own grid, by rounding to the nearest step: the
// grid is the contract, whatever the library does inside.
std::int64_t Steps(double value, int places) {
  double scale = 1.0;
  for (int i = 0; i < places; ++i) scale *= 10.0;
  return std::llround(value * scale);
}

}  // namespace

std::vector<std::string> CheckPlan(const PlanRequest& request, const BarPlan& plan) {
  std::vector<std::string> wrong;
  const auto fail = [&](std::string what) { wrong.push_back(std::move(what)); };
  const int p = request.places;
  const auto steps = [&](double value) { return Steps(value, p); };

  std::map<std::pair<std::int64_t, std::string>, long long> wanted;
  for (const PieceLine& line : request.pieces)
    wanted[{steps(line.length), line.mark}] += line.quantity;
  std::set<std::int64_t> bought;
  for (const double length : request.bar_lengths) bought.insert(steps(length));
  std::map<std::int64_t, long long> rack;
  for (const RackLine& line : request.rack) rack[steps(line.length)] += line.count;

  const std::int64_t kerf = steps(request.kerf);
  const std::int64_t ends = steps(request.end_a) + steps(request.end_b);
  std::map<std::pair<std::int64_t, std::string>, long long> cut;
  std::map<std::int64_t, long long> new_bars, rack_bars;
  std::int64_t new_length = 0, used = 0, pieces_length = 0, kerf_total = 0, ends_total = 0;
  std::int64_t offcut = 0, scrap = 0, longest = 0;
  for (std::size_t i = 0; i < plan.patterns.size(); ++i) {
    const PlanPattern& pattern = plan.patterns[i];
    const std::string name = "方案 " + std::to_string(i + 1);
    const std::int64_t stock = steps(pattern.stock_length);
    if (pattern.bars < 1) fail(name + ": no bars");
    if (pattern.from_rack ? rack.count(stock) == 0 : bought.count(stock) == 0) {
      fail(name + ": a stock length that was not given");
    }
    (pattern.from_rack ? rack_bars : new_bars)[stock] += pattern.bars;
    std::int64_t bar_used = ends;
    long long bar_pieces = 0;
    for (const CutRun& run : pattern.cuts) {
      cut[{steps(run.length), run.mark}] += run.count * pattern.bars;
      bar_used += run.count * (steps(run.length) + kerf);
      bar_pieces += run.count;
      pieces_length += run.count * steps(run.length) * pattern.bars;
    }
    for (std::size_t k = 1; k < pattern.cuts.size(); ++k) {
      if (pattern.cuts[k].length > pattern.cuts[k - 1].length) fail(name + ": not longest first");
    }
    if (bar_used > stock) fail(name + ": the pieces do not fit the bar");
    if (bar_pieces != pattern.pieces) fail(name + ": the piece count is off");
    const std::int64_t leftover = stock - bar_used;
    if (steps(pattern.leftover) != leftover) fail(name + ": the leftover is off");
    if (steps(pattern.used) != bar_used) fail(name + ": the used length is off");
    const bool is_offcut = leftover > 0 && leftover >= steps(request.min_offcut);
    if (pattern.leftover > 0 && pattern.offcut != is_offcut) fail(name + ": offcut or scrap wrong");
    (is_offcut ? offcut : scrap) += leftover * pattern.bars;
    longest = std::max(longest, leftover);
    used += stock * pattern.bars;
    if (!pattern.from_rack) new_length += stock * pattern.bars;
    kerf_total += bar_pieces * kerf * pattern.bars;
    ends_total += ends * pattern.bars;
  }
  if (cut != wanted) fail("the pieces cut are not the pieces asked for");
  for (const auto& [length, bars] : rack_bars) {
    if (bars > rack[length]) fail("more rack bars of a length than the rack holds");
  }
  std::map<std::int64_t, long long> listed_new, listed_rack;
  long long listed_new_count = 0;
  for (const StockUse& use : plan.new_bars) {
    listed_new[steps(use.length)] += use.bars;
    listed_new_count += use.bars;
  }
  for (const StockUse& use : plan.rack_bars) listed_rack[steps(use.length)] += use.bars;
  if (listed_new != new_bars || listed_rack != rack_bars) fail("新料根数 per length is off");
  if (listed_new_count != plan.new_bar_count) fail("the count of new bars is off");
  const struct {
    double total;
    std::int64_t expected;
    const char* name;
  } totals[] = {{plan.new_length, new_length, "新料总长"},
                {plan.used_length, used, "用料总长"},
                {plan.piece_length, pieces_length, "成品总长"},
                {plan.kerf_length, kerf_total, "kerf"},
                {plan.ends_length, ends_total, "ends"},
                {plan.offcut_length, offcut, "余料"},
                {plan.scrap_length, scrap, "废料"},
                {plan.longest_leftover, longest, "longest"}};
  for (const auto& total : totals) {
    if (steps(total.total) != total.expected) fail(std::string(total.name) + " is off");
  }
  if (used != pieces_length + kerf_total + ends_total + offcut + scrap)
    fail("totals do not add up");
  if (used > 0 && std::abs(plan.utilization - static_cast<double>(pieces_length) / used) > 1e-12) {
    fail("利用率 is off");
  }
  if (steps(plan.bound_length) > new_length) fail("the plan is below its bound");
  if (plan.proven != (new_length <= steps(plan.bound_length)))
    fail("最优 disagrees with the bound");
  if (plan.bound_bars && bought.size() == 1 &&
      *plan.bound_bars * *bought.begin() != steps(plan.bound_length)) {
    fail("下界 in bars disagrees with the bound's length");
  }
  return wrong;
}

}  // namespace segcalc::barplan::testing

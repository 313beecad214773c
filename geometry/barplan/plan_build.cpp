#include "geometry/barplan/plan_build.h"

#include <algorithm>
#include <map>
#include <string>
#include <tuple>

#include "geometry/barplan/column_generation.h"

namespace segcalc::barplan {
namespace {

// One bar's pieces as the saw meets them: type (longest first), the index of
// its mark run, how many.
using Slots = std::vector<std::tuple<std::uint32_t, std::size_t, std::int64_t>>;

// What is left of each type's mark runs, front first.
struct MarkQueue {
  std::vector<std::size_t> run;        // per type: the run now at the front
  std::vector<std::int64_t> run_left;  // per type: what is left of it

  explicit MarkQueue(const BarInstance& instance) {
    for (const PieceType& type : instance.types) {
      run.push_back(0);
      run_left.push_back(type.marks.front().count);
    }
  }

  // `count` pieces of a type off the front, appended to `slots` run by run.
  void Take(const BarInstance& instance, std::uint32_t type, std::int64_t count, Slots& slots) {
    while (count > 0) {
      const std::int64_t now = std::min(count, run_left[type]);
      slots.push_back({type, run[type], now});
      count -= now;
      run_left[type] -= now;
      if (run_left[type] == 0 && run[type] + 1 < instance.types[type].marks.size()) {
        ++run[type];
        run_left[type] = instance.types[type].marks[run[type]].count;
      }
    }
  }
};

// The bars of each cut, with their marks, counted by how they are cut.
std::map<std::pair<std::size_t, Slots>, std::int64_t> MarkedBars(const BarInstance& instance,
                                                                 const CutList& cuts) {
  MarkQueue queue(instance);
  std::map<std::pair<std::size_t, Slots>, std::int64_t> bars;
  for (const BarCount& cut : cuts) {
    std::int64_t left = cut.bars;
    while (left > 0) {
      // As many bars as the front runs give each of their slots whole.
      std::int64_t same = left;
      for (const auto& [type, count] : cut.pattern.items) {
        same = std::min(same, queue.run_left[type] / count);
      }
      same = std::max<std::int64_t>(same, 1);
      Slots slots;
      for (const auto& [type, count] : cut.pattern.items) {
        queue.Take(instance, type, count * same, slots);
      }
      // Taken for `same` bars at once: one bar holds a part of each run.
      for (auto& slot : slots) std::get<2>(slot) /= same;
      bars[{cut.pattern.stock, slots}] += same;
      left -= same;
    }
  }
  return bars;
}

}  // namespace

BarPlan BuildPlan(const BarInstance& instance, const CutList& cuts, double lower_bound,
                  bool stopped) {
  BarPlan plan;
  const auto length = [&](std::int64_t grid) { return instance.Length(grid); };
  std::int64_t new_length = 0, used = 0, pieces = 0, piece_length = 0, offcut = 0, scrap = 0,
               longest = 0;
  std::map<std::size_t, std::int64_t> per_stock;
  for (const auto& [key, bars] : MarkedBars(instance, cuts)) {
    const auto& [stock, slots] = key;
    const StockKind& kind = instance.stock[stock];
    PlanPattern pattern;
    pattern.stock_length = length(kind.length);
    pattern.from_rack = kind.rack;
    pattern.bars = bars;
    std::int64_t bar_used = instance.end_a + instance.end_b;
    for (const auto& [type, run, count] : slots) {
      const PieceType& piece = instance.types[type];
      pattern.cuts.push_back({length(piece.length), piece.marks[run].mark, count});
      pattern.pieces += count;
      bar_used += count * instance.Weight(type);
      piece_length += count * piece.length * bars;
    }
    const std::int64_t leftover = kind.length - bar_used;
    pattern.used = length(bar_used);
    pattern.leftover = length(leftover);
    pattern.offcut = leftover > 0 && leftover >= instance.min_offcut;
    (pattern.offcut ? offcut : scrap) += leftover * bars;
    (pattern.offcut ? plan.offcut_count : plan.scrap_count) += leftover > 0 ? bars : 0;
    longest = std::max(longest, leftover);
    pieces += pattern.pieces * bars;
    used += kind.length * bars;
    if (!kind.rack) new_length += kind.length * bars;
    (kind.rack ? plan.rack_bar_count : plan.new_bar_count) += bars;
    per_stock[stock] += bars;
    plan.patterns.push_back(std::move(pattern));
  }
  // New bars first, longest stock first, the most bars first; then as built.
  std::stable_sort(plan.patterns.begin(), plan.patterns.end(),
                   [](const PlanPattern& a, const PlanPattern& b) {
                     if (a.from_rack != b.from_rack) return b.from_rack;
                     if (a.stock_length != b.stock_length) return a.stock_length > b.stock_length;
                     return a.bars > b.bars;
                   });
  for (const auto& [stock, bars] : per_stock) {
    const StockKind& kind = instance.stock[stock];
    (kind.rack ? plan.rack_bars : plan.new_bars).push_back({length(kind.length), bars});
  }
  plan.new_length = length(new_length);
  plan.used_length = length(used);
  plan.piece_length = length(piece_length);
  plan.kerf_length = length(pieces * instance.kerf);
  plan.ends_length =
      length((plan.new_bar_count + plan.rack_bar_count) * (instance.end_a + instance.end_b));
  plan.offcut_length = length(offcut);
  plan.scrap_length = length(scrap);
  plan.longest_leftover = length(longest);
  plan.utilization = used > 0 ? static_cast<double>(piece_length) / static_cast<double>(used) : 0;

  const std::int64_t bound = RoundUpToStock(instance, lower_bound);
  plan.bound_length = length(bound);
  plan.proven = new_length <= bound;
  plan.gap_length = length(std::max<std::int64_t>(new_length - bound, 0));
  std::size_t bought_lengths = 0;
  for (const StockKind& kind : instance.stock) bought_lengths += !kind.rack;
  if (bought_lengths == 1) {
    const std::int64_t bar = instance.stock.front().length;
    plan.bound_bars = bound / bar;
    plan.gap_bars = std::max<std::int64_t>(plan.new_bar_count - *plan.bound_bars, 0);
  }
  plan.stopped = stopped;
  plan.kerf = length(instance.kerf);
  plan.end_a = length(instance.end_a);
  plan.end_b = length(instance.end_b);
  plan.min_offcut = length(instance.min_offcut);
  plan.places = instance.places;
  return plan;
}

}  // namespace segcalc::barplan

#include "geometry/barplan/greedy_fill.h"

#include <algorithm>
#include <functional>
#include <map>

#include "geometry/barplan/bounded_knapsack.h"

namespace segcalc::barplan {
namespace {

constexpr std::int64_t kKnapsackNodes = 50'000;

using BarFiller = std::function<Pattern(std::size_t stock)>;

// Whether `a` is the better new bar: the one its pieces fill the larger part
// of; on a tie the longer, as fewer bars then cut the same pieces.
bool Better(const BarInstance& instance, const Pattern& a, std::int64_t used_a, const Pattern& b,
            std::int64_t used_b) {
  if (b.Empty()) return !a.Empty();
  if (a.Empty()) return false;
  const StockKind& ka = instance.stock[a.stock];
  const StockKind& kb = instance.stock[b.stock];
  const double fill_a = static_cast<double>(used_a) / static_cast<double>(ka.length);
  const double fill_b = static_cast<double>(used_b) / static_cast<double>(kb.length);
  if (fill_a != fill_b) return fill_a > fill_b;
  return ka.length > kb.length;
}

// Takes as many copies of the bar as the demand (and the rack) allows.
void Cut(const BarInstance& instance, Pattern pattern, std::vector<std::int64_t>& demand,
         std::vector<std::int64_t>& available, CutList& cuts, std::int64_t& remaining) {
  std::int64_t copies = CopiesWanted(pattern, demand);
  if (instance.stock[pattern.stock].rack) {
    copies = std::min(copies, available[pattern.stock]);
    available[pattern.stock] -= copies;
  }
  TakeCopies(pattern, copies, demand);
  for (const auto& item : pattern.items) remaining -= copies * item.second;
  cuts.push_back({std::move(pattern), copies});
}

bool Fill(const BarInstance& instance, std::vector<std::int64_t>& demand,
          std::vector<std::int64_t>& available, CutList& cuts, WorkMeter& meter,
          const BarFiller& fill_bar) {
  std::int64_t remaining = 0;
  for (const std::int64_t d : demand) remaining += d;
  // The rack, longest bars first: each is free, so each is filled in turn.
  for (std::size_t s = instance.stock.size(); s-- > 0 && remaining > 0;) {
    if (!instance.stock[s].rack) break;
    while (available[s] > 0 && remaining > 0) {
      Pattern pattern = fill_bar(s);
      if (pattern.Empty()) break;
      Cut(instance, std::move(pattern), demand, available, cuts, remaining);
    }
  }
  while (remaining > 0) {
    Pattern best;
    std::int64_t best_used = 0;
    for (std::size_t s = 0; s < instance.stock.size() && !instance.stock[s].rack; ++s) {
      Pattern pattern = fill_bar(s);
      const std::int64_t used = UsedLength(instance, pattern);
      if (Better(instance, pattern, used, best, best_used)) {
        best = std::move(pattern);
        best_used = used;
      }
    }
    if (best.Empty()) return false;
    Cut(instance, std::move(best), demand, available, cuts, remaining);
    meter.Add(static_cast<std::int64_t>(instance.stock.size()));
  }
  return true;
}

// Fills a bar with the longest piece that still fits, again and again.
class LongestFirst {
 public:
  LongestFirst(const BarInstance& instance, const std::vector<std::int64_t>& demand,
               WorkMeter& meter)
      : instance_(instance), demand_(demand), meter_(meter) {
    // Types are distinct lengths, so their weights are distinct too.
    for (std::size_t i = 0; i < demand.size(); ++i) {
      if (demand[i] > 0) wanted_[instance.Weight(i)] = static_cast<std::uint32_t>(i);
    }
  }

  Pattern operator()(std::size_t stock) {
    Pattern pattern{stock, {}};
    std::int64_t left = instance_.stock[stock].capacity;
    std::int64_t below = left;  // the longest weight still worth a look
    for (;;) {
      auto it = wanted_.upper_bound(below);
      if (it == wanted_.begin()) break;
      --it;
      const auto [weight, type] = *it;
      if (demand_[type] == 0) {  // cut in full by an earlier bar
        wanted_.erase(it);
        continue;
      }
      const std::int64_t count = std::min(demand_[type], left / weight);
      if (count > 0) pattern.items.push_back({type, count});
      left -= count * weight;
      below = std::min(left, weight - 1);
      meter_.Add(1);
    }
    std::sort(pattern.items.begin(), pattern.items.end());
    return pattern;
  }

 private:
  const BarInstance& instance_;
  const std::vector<std::int64_t>& demand_;
  WorkMeter& meter_;
  std::map<std::int64_t, std::uint32_t> wanted_;
};

}  // namespace

bool FillFullestBars(const BarInstance& instance, std::vector<std::int64_t>& demand,
                     std::vector<std::int64_t>& available, CutList& cuts, WorkMeter& meter) {
  // Once the work is spent, the rest of the bars are filled longest first:
  // a knapsack a bar for each stock length is too much for a long list.
  LongestFirst longest_first(instance, demand, meter);
  const BarFiller fill_bar = [&](std::size_t stock) {
    if (meter.Exhausted()) return longest_first(stock);
    const StockKind& kind = instance.stock[stock];
    std::vector<KnapsackItem> items;
    for (std::size_t i = 0; i < demand.size(); ++i) {
      const std::int64_t weight = instance.Weight(i);
      items.push_back(
          {static_cast<double>(weight), weight, std::min(demand[i], kind.capacity / weight)});
    }
    const KnapsackFill fill = FillMostValuable(items, kind.capacity, kKnapsackNodes);
    meter.Add(fill.nodes * kStepsPerKnapsackNode + static_cast<std::int64_t>(items.size()));
    Pattern pattern{stock, {}};
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (fill.counts[i] > 0) {
        pattern.items.push_back({static_cast<std::uint32_t>(i), fill.counts[i]});
      }
    }
    return pattern;
  };
  return Fill(instance, demand, available, cuts, meter, fill_bar);
}

bool FillLongestFirst(const BarInstance& instance, std::vector<std::int64_t>& demand,
                      std::vector<std::int64_t>& available, CutList& cuts, WorkMeter& meter) {
  LongestFirst longest_first(instance, demand, meter);
  return Fill(instance, demand, available, cuts, meter,
              [&](std::size_t stock) { return longest_first(stock); });
}

}  // namespace segcalc::barplan

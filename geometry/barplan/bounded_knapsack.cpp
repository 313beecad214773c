#include "geometry/barplan/bounded_knapsack.h"

#include <algorithm>

namespace segcalc::barplan {
namespace {

struct Candidate {
  std::size_t item;
  double value;
  std::int64_t weight;
  std::int64_t bound;
  double ratio;
};

class Search {
 public:
  Search(std::vector<Candidate> order, std::int64_t node_limit)
      : order_(std::move(order)), counts_(order_.size(), 0), node_limit_(node_limit) {}

  void Run(std::int64_t capacity) { Visit(0, capacity, 0.0); }

  const std::vector<std::int64_t>& best_counts() const { return best_counts_; }
  double best_value() const { return best_value_; }
  bool stopped() const { return stopped_; }
  std::int64_t nodes() const { return nodes_; }

 private:
  // The relaxation's bound for what the items from k on may add to a bar
  // with `left` room: none is worth more per weight than the k-th.
  double RoomBound(std::size_t k, std::int64_t left) const {
    return k < order_.size() ? static_cast<double>(left) * order_[k].ratio : 0.0;
  }

  void Visit(std::size_t k, std::int64_t left, double value) {
    if (stopped_) return;
    if (++nodes_ > node_limit_) {
      stopped_ = true;
      return;
    }
    if (value > best_value_) {
      best_value_ = value;
      best_counts_ = counts_;
    }
    if (k == order_.size() || !(value + RoomBound(k, left) > best_value_)) return;
    const Candidate& c = order_[k];
    const std::int64_t most = std::min(c.bound, left / c.weight);
    for (std::int64_t n = most; n >= 0; --n) {
      const std::int64_t rest = left - n * c.weight;
      const double with = value + static_cast<double>(n) * c.value;
      // Fewer of this item only lowers the bound: the later items are worth
      // no more per weight.
      if (!(with + RoomBound(k + 1, rest) > best_value_)) break;
      counts_[k] = n;
      Visit(k + 1, rest, with);
      if (stopped_) break;
    }
    counts_[k] = 0;
  }

  std::vector<Candidate> order_;
  std::vector<std::int64_t> counts_;
  std::vector<std::int64_t> best_counts_;
  double best_value_ = 0.0;
  std::int64_t node_limit_;
  std::int64_t nodes_ = 0;
  bool stopped_ = false;
};

// The bound of the relaxation: the best items by value per weight, the last
// one cut to fit.
double FractionalBound(const std::vector<Candidate>& order, std::int64_t capacity) {
  double value = 0.0;
  std::int64_t left = capacity;
  for (const Candidate& c : order) {
    const std::int64_t whole = std::min(c.bound, left / c.weight);
    value += static_cast<double>(whole) * c.value;
    left -= whole * c.weight;
    if (whole < c.bound) {
      value += static_cast<double>(left) * c.ratio;
      break;
    }
  }
  return value;
}

}  // namespace

KnapsackFill FillMostValuable(const std::vector<KnapsackItem>& items, std::int64_t capacity,
                              std::int64_t node_limit) {
  std::vector<Candidate> order;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const KnapsackItem& item = items[i];
    if (item.value > 0 && item.bound > 0 && item.weight > 0 && item.weight <= capacity) {
      order.push_back(
          {i, item.value, item.weight, item.bound, item.value / static_cast<double>(item.weight)});
    }
  }
  // A total order: ratio, then the order given.
  std::sort(order.begin(), order.end(), [](const Candidate& a, const Candidate& b) {
    if (a.ratio != b.ratio) return a.ratio > b.ratio;
    return a.item < b.item;
  });
  KnapsackFill fill;
  fill.counts.assign(items.size(), 0);
  const double bound = FractionalBound(order, capacity);
  Search search(order, std::max<std::int64_t>(node_limit, 1));
  search.Run(capacity);
  fill.nodes = search.nodes();
  fill.value = search.best_value();
  for (std::size_t k = 0; k < search.best_counts().size(); ++k) {
    fill.counts[order[k].item] = search.best_counts()[k];
  }
  fill.exact = !search.stopped();
  fill.upper_bound = fill.exact ? fill.value : std::max(bound, fill.value);
  return fill;
}

}  // namespace segcalc::barplan

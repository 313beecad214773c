#include "geometry/barplan/column_generation.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
#include <set>

#include "geometry/barplan/bounded_knapsack.h"
#include "geometry/barplan/pattern_lp.h"

namespace segcalc::barplan {
namespace {

constexpr std::uint32_t kNoRow = 0xffffffffU;
// A piece left to its start column costs more than any bar holding it.
constexpr double kUncoveredCost = 4.0;
constexpr double kImproving = -1e-9;
constexpr std::int64_t kKnapsackNodes = 200'000;
// The pool is a warm start, not a store: beyond this it takes no more.
constexpr std::size_t kMaxPool = 20'000;
// The bound gives this much back for the rounding of the LP's doubles.
constexpr double kBoundMargin = 1e-9;
// How much of the best bound's duals the pricing keeps.
constexpr double kSmoothing = 0.5;

// The LP over the patterns: a row for each piece type still wanted (at least
// its demand) and for each rack length with bars left (at most its count).
class Master {
 public:
  Master(const BarInstance& instance, const std::vector<std::int64_t>& demand,
         const std::vector<std::int64_t>& available)
      : instance_(instance),
        demand_(demand),
        type_row_(instance.types.size(), kNoRow),
        stock_row_(instance.stock.size(), kNoRow) {
    std::vector<double> start_costs;
    for (std::size_t i = 0; i < demand.size(); ++i) {
      if (demand[i] <= 0) continue;
      type_row_[i] = static_cast<std::uint32_t>(rhs_.size());
      rhs_.push_back(static_cast<double>(demand[i]));
      start_costs.push_back(kUncoveredCost);
    }
    type_rows_ = rhs_.size();
    for (std::size_t s = 0; s < instance.stock.size(); ++s) {
      const StockKind& kind = instance.stock[s];
      if (!kind.rack) {
        usable_.push_back(s);
        scale_ = std::max(scale_, static_cast<double>(kind.length));
      } else if (available[s] > 0) {
        usable_.push_back(s);
        stock_row_[s] = static_cast<std::uint32_t>(rhs_.size());
        rhs_.push_back(static_cast<double>(available[s]));
        start_costs.push_back(0.0);
      }
    }
    if (scale_ == 0.0) scale_ = 1.0;
    lp_.emplace(rhs_, start_costs);
    // Pieces beyond the demand are allowed: the plan drops them.
    for (std::size_t r = 0; r < type_rows_; ++r) {
      lp_->AddColumn(0.0, {{static_cast<std::uint32_t>(r), -1.0}});
    }
    first_pattern_column_ = lp_->Columns();
  }

  const std::vector<std::size_t>& usable() const { return usable_; }
  double scale() const { return scale_; }
  PatternLp& lp() { return *lp_; }
  const std::vector<Pattern>& patterns() const { return patterns_; }

  double Cost(std::size_t stock) const {
    const StockKind& kind = instance_.stock[stock];
    return kind.rack ? 0.0 : static_cast<double>(kind.length) / scale_;
  }

  // Adds the pattern, cut down to the demand, unless it is empty or known.
  bool Add(const Pattern& pattern) {
    Pattern clipped = Clipped(pattern, demand_);
    const StockKind& kind = instance_.stock[clipped.stock];
    if (clipped.Empty() || (kind.rack && stock_row_[clipped.stock] == kNoRow)) return false;
    if (!known_.insert(clipped).second) return false;
    SparseColumn column;
    for (const auto& [type, count] : clipped.items) {
      column.push_back({type_row_[type], static_cast<double>(count)});
    }
    if (kind.rack) column.push_back({stock_row_[clipped.stock], 1.0});
    lp_->AddColumn(Cost(clipped.stock), std::move(column));
    patterns_.push_back(std::move(clipped));
    return true;
  }

  // The most valuable pattern of a stock kind at the given duals of the rows.
  KnapsackFill Price(const std::vector<double>& duals, std::size_t stock, Pattern& pattern) const {
    const StockKind& kind = instance_.stock[stock];
    std::vector<KnapsackItem> items;
    std::vector<std::uint32_t> types;
    for (std::size_t i = 0; i < demand_.size(); ++i) {
      if (type_row_[i] == kNoRow) continue;
      const std::int64_t weight = instance_.Weight(i);
      items.push_back({std::max(duals[type_row_[i]], 0.0), weight,
                       std::min(demand_[i], kind.capacity / weight)});
      types.push_back(static_cast<std::uint32_t>(i));
    }
    KnapsackFill fill = FillMostValuable(items, kind.capacity, kKnapsackNodes);
    pattern = {stock, {}};
    for (std::size_t k = 0; k < items.size(); ++k) {
      if (fill.counts[k] > 0) pattern.items.push_back({types[k], fill.counts[k]});
    }
    return fill;
  }

  // The reduced cost of a pattern at the LP's own duals: below 0, the LP
  // improves with it.
  double ReducedCost(const Pattern& pattern) const {
    const std::vector<double>& duals = lp_->Duals();
    double reduced = Cost(pattern.stock);
    for (const auto& [type, count] : pattern.items) {
      reduced -= duals[type_row_[type]] * static_cast<double>(count);
    }
    if (stock_row_[pattern.stock] != kNoRow) reduced -= duals[stock_row_[pattern.stock]];
    return reduced;
  }

  // Farley's bound: the duals of the demand rows (those below 0 taken as 0),
  // shrunk until no new bar holds more than its cost, less what the rack's
  // bars can hold. `best` is the most each usable stock kind holds at those
  // duals, or more. Valid for any duals, so an LP stopped early still gives
  // a true bound.
  double Bound(const std::vector<double>& duals, const std::vector<double>& best) const {
    double demanded = 0.0;
    for (std::size_t i = 0; i < demand_.size(); ++i) {
      if (type_row_[i] != kNoRow) {
        demanded += static_cast<double>(demand_[i]) * std::max(duals[type_row_[i]], 0.0);
      }
    }
    double shrink = 0.0;
    double rack = 0.0;
    for (std::size_t k = 0; k < usable_.size(); ++k) {
      const std::size_t s = usable_[k];
      if (instance_.stock[s].rack) {
        rack += rhs_[stock_row_[s]] * best[k];
      } else {
        shrink = std::max(shrink, best[k] / Cost(s));
      }
    }
    if (!(shrink > 0.0)) return 0.0;
    return std::max(0.0, (demanded - rack) / shrink * scale_ * (1.0 - kBoundMargin));
  }

  std::vector<std::pair<Pattern, double>> Solution() const {
    std::vector<std::pair<Pattern, double>> solution;
    for (std::size_t k = 0; k < patterns_.size(); ++k) {
      const double x = lp_->Value(first_pattern_column_ + k);
      if (x > 1e-9) solution.push_back({patterns_[k], x});
    }
    return solution;
  }

  bool Covered() const {
    for (std::size_t r = 0; r < type_rows_; ++r) {
      if (lp_->Value(r) > 1e-9) return false;
    }
    return true;
  }

 private:
  const BarInstance& instance_;
  const std::vector<std::int64_t>& demand_;
  std::vector<std::uint32_t> type_row_;
  std::vector<std::uint32_t> stock_row_;
  std::vector<double> rhs_;
  std::size_t type_rows_ = 0;
  std::vector<std::size_t> usable_;
  double scale_ = 0.0;
  std::optional<PatternLp> lp_;
  std::size_t first_pattern_column_ = 0;
  std::set<Pattern> known_;
  std::vector<Pattern> patterns_;
};

std::int64_t StockDivisor(const BarInstance& instance) {
  std::int64_t divisor = 0;
  for (const StockKind& kind : instance.stock) {
    if (!kind.rack) divisor = std::gcd(divisor, kind.length);
  }
  return divisor;
}

}  // namespace

std::int64_t RoundUpToStock(const BarInstance& instance, double bound) {
  const std::int64_t divisor = StockDivisor(instance);
  if (divisor == 0 || !(bound > 0.0)) return 0;
  const double units = std::ceil(bound / static_cast<double>(divisor));
  return static_cast<std::int64_t>(units) * divisor;
}

Relaxation SolveRelaxation(const BarInstance& instance, const std::vector<std::int64_t>& demand,
                           const std::vector<std::int64_t>& available, std::vector<Pattern>& pool,
                           WorkMeter& meter, std::size_t max_rounds) {
  Master master(instance, demand, available);
  for (const Pattern& pattern : pool) master.Add(pattern);
  for (std::size_t i = 0; i < demand.size(); ++i) {
    for (const std::size_t s : master.usable()) {
      const std::int64_t most = instance.stock[s].capacity / instance.Weight(i);
      if (most > 0) master.Add({s, {{static_cast<std::uint32_t>(i), most}}});
    }
  }
  const std::size_t known = master.patterns().size();
  Relaxation relaxation;
  const std::size_t rounds = max_rounds > 0 ? max_rounds : 100 + 20 * demand.size();
  std::vector<double> best(master.usable().size());
  // Wentges' smoothing: the patterns are priced at duals between those of
  // the best bound so far and the LP's, which takes far fewer rounds than
  // the LP's duals alone; where that finds nothing, at the LP's own.
  std::vector<double> centre;
  for (std::size_t round = 0; round < rounds; ++round) {
    relaxation.optimal = master.lp().Solve(meter);
    if (!relaxation.optimal) break;
    const std::vector<double>& duals = master.lp().Duals();
    bool improved = false;
    for (const bool smoothed : {true, false}) {
      if (improved || (smoothed && centre.empty())) continue;
      std::vector<double> priced = duals;
      if (smoothed) {
        for (std::size_t r = 0; r < priced.size(); ++r) {
          priced[r] = kSmoothing * centre[r] + (1.0 - kSmoothing) * duals[r];
        }
      }
      for (std::size_t k = 0; k < master.usable().size(); ++k) {
        Pattern pattern;
        const KnapsackFill fill = master.Price(priced, master.usable()[k], pattern);
        meter.Add(fill.nodes * kStepsPerKnapsackNode + static_cast<std::int64_t>(demand.size()));
        best[k] = fill.upper_bound;
        if (master.ReducedCost(pattern) < kImproving && master.Add(pattern)) improved = true;
      }
      const double bound = master.Bound(priced, best);
      if (centre.empty() || bound > relaxation.lower_bound) centre = priced;
      relaxation.lower_bound = std::max(relaxation.lower_bound, bound);
    }
    if (!improved || meter.Exhausted()) {
      relaxation.optimal = !improved;
      break;
    }
    // No pattern can lift the bound to the next bar: the LP is good enough.
    const double objective = master.lp().Objective() * master.scale();
    if (master.Covered() && RoundUpToStock(instance, relaxation.lower_bound) >=
                                RoundUpToStock(instance, objective * (1.0 - 1e-12))) {
      break;
    }
  }
  relaxation.solution = master.Solution();
  relaxation.covered = master.Covered();
  for (std::size_t k = known; k < master.patterns().size() && pool.size() < kMaxPool; ++k) {
    pool.push_back(master.patterns()[k]);
  }
  return relaxation;
}

}  // namespace segcalc::barplan

#include "geometry/barplan/bar_plan_solver.h"

#include <algorithm>
#include <cmath>

#include "geometry/barplan/bar_moves.h"
#include "geometry/barplan/column_generation.h"
#include "geometry/barplan/greedy_fill.h"
#include "geometry/barplan/lp_rounding.h"
#include "geometry/barplan/plan_build.h"

namespace segcalc::barplan {
namespace {

// Ways of rounding, one after the other while the bound is not met, each
// giving another plan: the share of a bar from which a pattern is rounded
// up, and how many times the LP is solved (again for what is left).
constexpr struct {
  double round_up_from;
  int lp_rounds;
} kRoundings[] = {{0.5, 1}, {0.75, 1}, {0.3, 1}, {0.5, 3}};
constexpr double kRelaxationShare = 0.75;

// The bound every plan meets without any LP: the pieces the rack cannot take
// spread over the stock length that wastes least to its ends.
double LengthBound(const BarInstance& instance) {
  double pieces = 0.0;
  for (std::size_t i = 0; i < instance.types.size(); ++i) {
    pieces +=
        static_cast<double>(instance.Weight(i)) * static_cast<double>(instance.types[i].demand);
  }
  double rack = 0.0;
  double ratio = 0.0;  // the least bar length per length the pieces may take
  for (const StockKind& kind : instance.stock) {
    if (kind.rack) {
      rack += static_cast<double>(kind.capacity) * static_cast<double>(kind.available);
    } else {
      const double r = static_cast<double>(kind.length) / static_cast<double>(kind.capacity);
      ratio = ratio == 0.0 ? r : std::min(ratio, r);
    }
  }
  return std::max(0.0, (pieces - rack) * ratio * (1.0 - 1e-12));
}

std::string NothingHolds(const BarInstance& instance, const std::vector<std::int64_t>& demand) {
  for (std::size_t i = 0; i < demand.size(); ++i) {
    if (demand[i] > 0) {
      const PieceType& type = instance.types[i];
      const std::string where = type.first_line > 0
                                    ? "第 " + std::to_string(type.first_line) + " 行的零件"
                                    : std::string("有的零件");
      return where + "没有料可切:库存料不够,也没有给出能切它的原料长度";
    }
  }
  return "库存料不够";
}

struct Search {
  const BarInstance& instance;
  WorkMeter& meter;
  double bound = 0.0;
  CutList best;
  bool found = false;

  bool Proven() const {
    return found && Score(instance, best).new_length <= RoundUpToStock(instance, bound);
  }

  void Offer(CutList cuts) {
    MovePieces(instance, cuts, meter);
    if (!found || Better(Score(instance, cuts), Score(instance, best))) {
      best = std::move(cuts);
      found = true;
    }
  }
};

}  // namespace

Checked<BarPlan> SolveBarPlan(const PlanRequest& request, const SolveOptions& options) {
  const Checked<BarInstance> prepared = PrepareInstance(request);
  if (!prepared.ok()) return Refused(prepared.error);
  const BarInstance& instance = *prepared.value;
  WorkMeter meter(options.work_limit, options.progress);
  Search search{instance, meter, LengthBound(instance), {}, false};

  std::vector<std::int64_t> demand;
  for (const PieceType& type : instance.types) demand.push_back(type.demand);
  std::vector<std::int64_t> available;
  for (const StockKind& kind : instance.stock) available.push_back(kind.available);
  std::size_t rows = instance.types.size();
  for (const StockKind& kind : instance.stock) rows += kind.rack;

  if (rows <= kMaxLpRows) {
    // The first LP may take most of the work, not all: rounding needs some.
    meter.SetStage("线性松弛", kRelaxationShare);
    // A quick plan first: a plan to fall back on, and its patterns start the
    // LP near its end, which saves it most of its rounds.
    std::vector<Pattern> pool;
    {
      std::vector<std::int64_t> d = demand, a = available;
      CutList cuts;
      if (FillLongestFirst(instance, d, a, cuts, meter)) {
        for (const BarCount& cut : cuts) pool.push_back(cut.pattern);
        search.Offer(Merged(cuts));
      }
    }
    const Relaxation relaxation = SolveRelaxation(instance, demand, available, pool, meter);
    search.bound = std::max(search.bound, relaxation.lower_bound);
    meter.SetStage("取整");
    // The LP's own plan always: a quick plan that meets the bound may still
    // cut more bars than it.
    bool first = true;
    for (const auto& rounding : kRoundings) {
      if (!first && (search.Proven() || (search.found && meter.Exhausted()))) break;
      first = false;
      CutList cuts;
      if (RoundRelaxation(instance, relaxation, pool, rounding.round_up_from, rounding.lp_rounds,
                          cuts, meter)) {
        search.Offer(Merged(cuts));
      }
      meter.SetStage("改进");
    }
    if (!search.Proven() && !meter.Exhausted()) {
      std::vector<std::int64_t> d = demand, a = available;
      CutList cuts;
      if (FillFullestBars(instance, d, a, cuts, meter)) search.Offer(Merged(cuts));
    }
  } else {
    meter.SetStage("取整");
    std::vector<std::int64_t> d = demand, a = available;
    CutList cuts;
    if (FillLongestFirst(instance, d, a, cuts, meter)) search.Offer(Merged(cuts));
  }
  if (!search.found) {
    // Every way failed for the same reason: the rack ran out of what only it holds.
    std::vector<std::int64_t> d = demand, a = available;
    CutList cuts;
    FillLongestFirst(instance, d, a, cuts, meter);
    return Refused(NothingHolds(instance, d));
  }
  return Accepted(BuildPlan(instance, search.best, search.bound, meter.CutShort()));
}

}  // namespace segcalc::barplan

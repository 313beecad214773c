#include "geometry/barplan/lp_rounding.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "geometry/barplan/greedy_fill.h"

namespace segcalc::barplan {
namespace {

// The pool holds the first LP's patterns: what is left needs few new ones.
constexpr std::size_t kResolveRounds = 40;

struct State {
  const BarInstance& instance;
  std::vector<std::int64_t> demand;
  std::vector<std::int64_t> available;
  CutList& cuts;
};

// Up to `bars` bars of the pattern, each cut down to what is still wanted;
// the number taken.
std::int64_t Take(State& state, const Pattern& pattern, std::int64_t bars) {
  std::int64_t taken = 0;
  const bool rack = state.instance.stock[pattern.stock].rack;
  while (taken < bars) {
    const Pattern clipped = Clipped(pattern, state.demand);
    std::int64_t copies = std::min(bars - taken, CopiesWanted(clipped, state.demand));
    if (rack) copies = std::min(copies, state.available[pattern.stock]);
    if (copies <= 0) break;
    TakeCopies(clipped, copies, state.demand);
    if (rack) state.available[pattern.stock] -= copies;
    state.cuts.push_back({clipped, copies});
    taken += copies;
  }
  return taken;
}

// What one round takes from the relaxation; false when it took nothing.
bool TakeRound(State& state, const Relaxation& relaxation, double round_up_from) {
  std::vector<std::size_t> order(relaxation.solution.size());
  for (std::size_t k = 0; k < order.size(); ++k) order[k] = k;
  // The most used patterns first; ties in the LP's order.
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return relaxation.solution[a].second > relaxation.solution[b].second;
  });
  bool took = false;
  for (const std::size_t k : order) {
    const auto& [pattern, x] = relaxation.solution[k];
    const auto whole = static_cast<std::int64_t>(std::floor(x + 1e-9));
    if (whole > 0 && Take(state, pattern, whole) > 0) took = true;
  }
  if (took) return true;
  for (const std::size_t k : order) {
    const auto& [pattern, x] = relaxation.solution[k];
    if (x >= round_up_from && Take(state, pattern, 1) > 0) took = true;
  }
  if (took) return true;
  for (const std::size_t k : order) {
    if (Take(state, relaxation.solution[k].first, 1) > 0) return true;
  }
  return false;
}

bool Wanted(const std::vector<std::int64_t>& demand) {
  return std::any_of(demand.begin(), demand.end(), [](std::int64_t d) { return d > 0; });
}

std::size_t Rows(const State& state) {
  std::size_t rows = 0;
  for (const std::int64_t d : state.demand) rows += d > 0;
  for (std::size_t s = 0; s < state.instance.stock.size(); ++s) {
    rows += state.instance.stock[s].rack && state.available[s] > 0;
  }
  return rows;
}

}  // namespace

bool RoundRelaxation(const BarInstance& instance, const Relaxation& first,
                     std::vector<Pattern>& pool, double round_up_from, int lp_rounds, CutList& cuts,
                     WorkMeter& meter) {
  State state{instance, {}, {}, cuts};
  for (const PieceType& type : instance.types) state.demand.push_back(type.demand);
  for (const StockKind& kind : instance.stock) state.available.push_back(kind.available);
  Relaxation relaxation = first;
  for (int round = 0; round < lp_rounds && Wanted(state.demand); ++round) {
    if (!relaxation.covered || !TakeRound(state, relaxation, round_up_from)) break;
    if (round + 1 == lp_rounds || !Wanted(state.demand) || meter.Exhausted() ||
        Rows(state) > kMaxLpRows) {
      break;
    }
    relaxation =
        SolveRelaxation(instance, state.demand, state.available, pool, meter, kResolveRounds);
  }
  return FillFullestBars(instance, state.demand, state.available, cuts, meter);
}

CutList Merged(const CutList& cuts) {
  std::map<Pattern, std::int64_t> bars;
  for (const BarCount& cut : cuts) {
    if (cut.bars > 0 && !cut.pattern.Empty()) bars[cut.pattern] += cut.bars;
  }
  CutList merged;
  for (auto& [pattern, count] : bars) merged.push_back({pattern, count});
  return merged;
}

}  // namespace segcalc::barplan

#include "geometry/barplan/bar_moves.h"

#include <algorithm>
#include <numeric>

#include "geometry/barplan/lp_rounding.h"

namespace segcalc::barplan {
namespace {

// Bars tried for emptying, the least filled first.
constexpr std::size_t kEmptyingTries = 400;

struct Bar {
  Pattern pattern;
  std::int64_t used = 0;  // ends, pieces and kerf
  bool gone = false;
};

std::int64_t Room(const BarInstance& instance, const Bar& bar) {
  return instance.stock[bar.pattern.stock].length - bar.used;
}

void Change(Bar& bar, std::uint32_t type, std::int64_t by, std::int64_t weight) {
  auto& items = bar.pattern.items;
  auto it =
      std::lower_bound(items.begin(), items.end(), std::pair<std::uint32_t, std::int64_t>{type, 0},
                       [](const auto& a, const auto& b) { return a.first < b.first; });
  if (it == items.end() || it->first != type) it = items.insert(it, {type, 0});
  it->second += by;
  if (it->second == 0) items.erase(it);
  bar.used += by * weight;
}

// The other bar with the least room that still takes `weight`; ties to the
// first. bars.size() when none does.
std::size_t Tightest(const BarInstance& instance, const std::vector<Bar>& bars, std::size_t except,
                     std::int64_t weight) {
  std::size_t best = bars.size();
  for (std::size_t b = 0; b < bars.size(); ++b) {
    if (b == except || bars[b].gone || Room(instance, bars[b]) < weight) continue;
    if (best == bars.size() || Room(instance, bars[b]) < Room(instance, bars[best])) best = b;
  }
  return best;
}

// Each piece of bar `from` (longest first) to the tightest bar it fits;
// with `all`, only if every piece finds one (else every move is undone),
// without, as many as do.
bool MoveOut(const BarInstance& instance, std::vector<Bar>& bars, std::size_t from, bool all,
             WorkMeter& meter) {
  std::vector<std::pair<std::size_t, std::uint32_t>> moves;
  const Pattern pieces = bars[from].pattern;
  for (const auto& [type, count] : pieces.items) {
    const std::int64_t weight = instance.Weight(type);
    for (std::int64_t n = 0; n < count; ++n) {
      meter.Add(static_cast<std::int64_t>(bars.size()));
      const std::size_t to = Tightest(instance, bars, from, weight);
      if (to == bars.size()) break;
      Change(bars[to], type, 1, weight);
      Change(bars[from], type, -1, weight);
      moves.push_back({to, type});
    }
  }
  bars[from].gone = bars[from].pattern.Empty();
  if (!all || bars[from].gone) return bars[from].gone;
  for (const auto& [to, type] : moves) {
    Change(bars[to], type, -1, instance.Weight(type));
    Change(bars[from], type, 1, instance.Weight(type));
  }
  return false;
}

// A new bar to a bar left on the rack or to a shorter new length that holds it.
void ChooseCheaperStock(const BarInstance& instance, std::vector<Bar>& bars,
                        std::vector<std::int64_t>& available) {
  for (Bar& bar : bars) {
    if (instance.stock[bar.pattern.stock].rack) continue;
    const std::int64_t pieces = bar.used - instance.end_a - instance.end_b;
    for (std::size_t s = 0; s < instance.stock.size(); ++s) {
      const StockKind& kind = instance.stock[s];
      const bool cheaper =
          kind.rack ? available[s] > 0 : kind.length < instance.stock[bar.pattern.stock].length;
      if (!cheaper || kind.capacity < pieces) continue;
      if (kind.rack) --available[s];
      bar.pattern.stock = s;
      if (kind.rack) break;  // rack kinds come after every new length
    }
  }
}

}  // namespace

PlanScore Score(const BarInstance& instance, const CutList& cuts) {
  PlanScore score;
  for (const BarCount& cut : cuts) {
    const StockKind& kind = instance.stock[cut.pattern.stock];
    if (!kind.rack) score.new_length += kind.length * cut.bars;
    score.bars += cut.bars;
    score.longest_leftover =
        std::max(score.longest_leftover, kind.length - UsedLength(instance, cut.pattern));
  }
  return score;
}

bool Better(const PlanScore& a, const PlanScore& b) {
  if (a.new_length != b.new_length) return a.new_length < b.new_length;
  if (a.bars != b.bars) return a.bars < b.bars;
  return a.longest_leftover > b.longest_leftover;
}

void MovePieces(const BarInstance& instance, CutList& cuts, WorkMeter& meter) {
  std::int64_t total = 0;
  for (const BarCount& cut : cuts) total += cut.bars;
  if (total > kMaxBarsMoved) return;
  std::vector<std::int64_t> available;
  for (const StockKind& kind : instance.stock) available.push_back(kind.available);
  std::vector<Bar> bars;
  for (const BarCount& cut : cuts) {
    available[cut.pattern.stock] -= cut.bars;
    for (std::int64_t n = 0; n < cut.bars; ++n) {
      bars.push_back({cut.pattern, UsedLength(instance, cut.pattern), false});
    }
  }
  ChooseCheaperStock(instance, bars, available);

  // New bars before rack bars (they cost length), the least filled first.
  std::vector<std::size_t> order(bars.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    const bool rack_a = instance.stock[bars[a].pattern.stock].rack;
    const bool rack_b = instance.stock[bars[b].pattern.stock].rack;
    if (rack_a != rack_b) return rack_b;
    return bars[a].used < bars[b].used;
  });
  for (std::size_t k = 0; k < order.size() && k < kEmptyingTries && !meter.Exhausted(); ++k) {
    MoveOut(instance, bars, order[k], true, meter);
  }

  std::size_t roomiest = bars.size();
  for (std::size_t b = 0; b < bars.size(); ++b) {
    if (!bars[b].gone &&
        (roomiest == bars.size() || Room(instance, bars[b]) > Room(instance, bars[roomiest]))) {
      roomiest = b;
    }
  }
  if (roomiest < bars.size() && !meter.Exhausted()) {
    MoveOut(instance, bars, roomiest, false, meter);
  }

  CutList moved;
  for (const Bar& bar : bars) {
    if (!bar.gone && !bar.pattern.Empty()) moved.push_back({bar.pattern, 1});
  }
  moved = Merged(moved);
  if (!Better(Score(instance, cuts), Score(instance, moved))) cuts = std::move(moved);
}

}  // namespace segcalc::barplan

#pragma once

#include <cstdint>

#include "geometry/barplan/cut_pattern.h"
#include "geometry/barplan/plan_request.h"
#include "geometry/barplan/work_meter.h"

namespace segcalc::barplan {

// How good a plan is, in the order the shop asks: the least new length, then
// the fewest bars, then the longest single leftover.
struct PlanScore {
  std::int64_t new_length = 0;
  std::int64_t bars = 0;
  std::int64_t longest_leftover = 0;
};
PlanScore Score(const BarInstance& instance, const CutList& cuts);
bool Better(const PlanScore& a, const PlanScore& b);

// Plans of up to this many bars are improved bar by bar; beyond it the
// rounding's own plan stands.
inline constexpr std::int64_t kMaxBarsMoved = 20'000;

// Improves a plan by moving whole bars and single pieces, never making it
// worse by the score: a new bar whose pieces fit a bar left on the rack, or a
// shorter stock length, goes there; the least filled bars are emptied into
// the others' leftovers where their pieces all fit; then the pieces of the
// bar with the longest leftover go where they fit elsewhere, so that its
// leftover grows.
void MovePieces(const BarInstance& instance, CutList& cuts, WorkMeter& meter);

}  // namespace segcalc::barplan

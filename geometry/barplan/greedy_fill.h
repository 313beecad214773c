#pragma once

#include <cstdint>
#include <vector>

#include "geometry/barplan/cut_pattern.h"
#include "geometry/barplan/plan_request.h"
#include "geometry/barplan/work_meter.h"

namespace segcalc::barplan {

// Two ways of finishing a plan bar by bar, for the pieces rounding left and
// for lists too large for the LP. Both take the rack's bars first, longest
// first (they cost no new length), then the new stock length that the bar
// fills best, on a tie the longer; each bar is cut as many times as the
// demand still takes it. Both return false
// when a piece is left that no bar left can hold.

// Each bar filled as full as it goes (a bounded knapsack on the lengths),
// longest first once the meter's work is spent. For lists of up to
// kMaxLpRows lengths.
bool FillFullestBars(const BarInstance& instance, std::vector<std::int64_t>& demand,
                     std::vector<std::int64_t>& available, CutList& cuts, WorkMeter& meter);

// Each bar filled with the longest piece that still fits, again and again:
// a few steps a piece, for any list within the request's limits.
bool FillLongestFirst(const BarInstance& instance, std::vector<std::int64_t>& demand,
                      std::vector<std::int64_t>& available, CutList& cuts, WorkMeter& meter);

}  // namespace segcalc::barplan

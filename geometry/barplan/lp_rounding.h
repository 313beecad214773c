#pragma once

#include <cstdint>
#include <vector>

#include "geometry/barplan/column_generation.h"
#include "geometry/barplan/cut_pattern.h"
#include "geometry/barplan/plan_request.h"
#include "geometry/barplan/work_meter.h"

namespace segcalc::barplan {

// A whole plan from the relaxation of the full demand: the bars the LP cuts
// whole are taken as they are; of the rest, those the LP cuts at least
// `round_up_from` of a bar are taken once, or, if none is, the one it cuts
// most. With `lp_rounds` above 1 the LP is solved again for what is left, as
// many times less one or until the work runs out; the bars left are then
// filled as full as they go. Every pattern is cut down to what is still
// wanted, so no piece is cut twice. Returns false when some piece fits no
// bar left.
bool RoundRelaxation(const BarInstance& instance, const Relaxation& first,
                     std::vector<Pattern>& pool, double round_up_from, int lp_rounds, CutList& cuts,
                     WorkMeter& meter);

// Patterns cut the same way merged, in the patterns' own order.
CutList Merged(const CutList& cuts);

}  // namespace segcalc::barplan

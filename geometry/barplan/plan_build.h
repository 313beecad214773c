#pragma once

#include "geometry/barplan/bar_plan.h"
#include "geometry/barplan/cut_pattern.h"
#include "geometry/barplan/plan_request.h"

namespace segcalc::barplan {

// The plan the saw works from: the marks of each length handed out to the
// bars in the order their lines came, bars cut the same way with the same
// marks given once with their count, the pieces of a bar longest first, and
// the totals, the bound (new length, in grid steps) and the gap.
BarPlan BuildPlan(const BarInstance& instance, const CutList& cuts, double lower_bound,
                  bool stopped);

}  // namespace segcalc::barplan

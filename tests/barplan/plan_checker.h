#pragma once

#include <string>
#include <vector>

#include "geometry/barplan/bar_plan.h"
#include "geometry/barplan/plan_request.h"

namespace segcalc::barplan::testing {

// Checks a plan against its request from scratch, with none of the
// library's code: every piece cut exactly its quantity with its mark, every
// bar within its length under the saw rules (A + B + Σ(l + K) <= length),
// only stock lengths that were asked for and no more rack bars than there
// are, the leftover of each bar and whether it is an offcut, and the totals:
// they add up, and the plan is never below its bound. Returns what is wrong,
// one sentence each; empty for a sound plan.
std::vector<std::string> CheckPlan(const PlanRequest& request, const BarPlan& plan);

}  // namespace segcalc::barplan::testing

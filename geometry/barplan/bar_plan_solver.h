#pragma once

#include <cstdint>

#include "geometry/barplan/bar_plan.h"
#include "geometry/barplan/plan_request.h"
#include "geometry/barplan/work_meter.h"
#include "geometry/checked.h"

namespace segcalc::barplan {

struct SolveOptions {
  std::int64_t work_limit = kDefaultWorkLimit;
  ProgressCallback progress;  // may be empty
};

// The bar plan of a request: a quick longest-first plan, whose patterns
// start the linear relaxation by column generation; the relaxation rounded
// and completed, then rounded other ways while the bound is not met and work
// is left, every plan improved by moving pieces between bars, the best kept;
// the same plan on every build. Lists too long for the LP are filled longest
// first against the bound of their total length. Refused, with the reason in
// Chinese, when the request does not check out or when the rack alone
// cannot hold every piece.
Checked<BarPlan> SolveBarPlan(const PlanRequest& request, const SolveOptions& options = {});

}  // namespace segcalc::barplan

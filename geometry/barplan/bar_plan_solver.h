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

// The bar plan of a request: the linear relaxation by column generation,
// rounded and completed, then improved while the bound is not met and work
// is left; the same plan on every build. Refused, with the reason in
// Chinese, when the request does not check out or when the rack alone
// cannot hold every piece.
Checked<BarPlan> SolveBarPlan(const PlanRequest& request, const SolveOptions& options = {});

}  // namespace segcalc::barplan

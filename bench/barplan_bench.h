#pragma once

#include "bench_summary.h"

namespace segcalc::bench {

// The bar plan's rows: the published 13-length list solved and proven, and
// 2,000 pieces of 300 lengths with the gap to the bound.
void RegisterBarPlans();
void PrintBarPlanSummary(const SummaryReporter& report);

}  // namespace segcalc::bench

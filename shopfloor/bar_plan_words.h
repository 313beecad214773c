#pragma once

#include <string>

#include "calc/number_text.h"
#include "geometry/barplan/bar_plan.h"

namespace segcalc {

// The words and numbers every writer of a bar plan shares, so that the text,
// the spreadsheet and the saw sheet say the same thing the same way.

// A length of the plan, to the places it was planned on, in the user's separators.
std::string PlanLength(const barplan::BarPlan& plan, double length,
                       const NumberSeparators& separators);

// "5600", or "2500(库存)" for a bar from the rack.
std::string StockText(const barplan::BarPlan& plan, const barplan::PlanPattern& pattern,
                      const NumberSeparators& separators);

// One run of pieces: "2200(A1)×2"; the mark and the count only where there is one.
std::string RunText(const barplan::BarPlan& plan, const barplan::CutRun& run,
                    const NumberSeparators& separators);

// The pieces of a bar in cut order: "2200(A1)×2 + 1180".
std::string CutsText(const barplan::BarPlan& plan, const barplan::PlanPattern& pattern,
                     const NumberSeparators& separators);

// 利用率 as a percentage to two places: "99.6%".
std::string UtilizationText(const barplan::BarPlan& plan, const NumberSeparators& separators);

// 下界: "73 根" with one stock length to buy, else the least new length.
std::string BoundText(const barplan::BarPlan& plan, const NumberSeparators& separators);

// 最优: "已证明", or how far the plan may be from the best and why.
std::string OptimumText(const barplan::BarPlan& plan, const NumberSeparators& separators);

}  // namespace segcalc

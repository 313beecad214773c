#include "shopfloor/bar_plan_words.h"

#include "shopfloor/output_format.h"

namespace segcalc {

std::string PlanLength(const barplan::BarPlan& plan, double length,
                       const NumberSeparators& separators) {
  return FormatNumber(RoundToPlaces(length, plan.places), separators);
}

std::string StockText(const barplan::BarPlan& plan, const barplan::PlanPattern& pattern,
                      const NumberSeparators& separators) {
  return PlanLength(plan, pattern.stock_length, separators) + (pattern.from_rack ? "(库存)" : "");
}

std::string RunText(const barplan::BarPlan& plan, const barplan::CutRun& run,
                    const NumberSeparators& separators) {
  std::string text = PlanLength(plan, run.length, separators);
  if (!run.mark.empty()) text += "(" + run.mark + ")";
  if (run.count > 1) text += "×" + std::to_string(run.count);
  return text;
}

std::string CutsText(const barplan::BarPlan& plan, const barplan::PlanPattern& pattern,
                     const NumberSeparators& separators) {
  std::string text;
  for (const barplan::CutRun& run : pattern.cuts) {
    if (!text.empty()) text += " + ";
    text += RunText(plan, run, separators);
  }
  return text;
}

std::string UtilizationText(const barplan::BarPlan& plan, const NumberSeparators& separators) {
  return FormatNumber(RoundToPlaces(plan.utilization * 100.0, 2), separators) + "%";
}

std::string BoundText(const barplan::BarPlan& plan, const NumberSeparators& separators) {
  if (plan.bound_bars) return std::to_string(*plan.bound_bars) + " 根";
  return "新料总长 " + PlanLength(plan, plan.bound_length, separators);
}

std::string OptimumText(const barplan::BarPlan& plan, const NumberSeparators& separators) {
  if (plan.proven) return "已证明";
  const std::string gap = plan.gap_bars
                              ? std::to_string(*plan.gap_bars) + " 根"
                              : "新料总长 " + PlanLength(plan, plan.gap_length, separators);
  return std::string(plan.stopped ? "未证明(计算量已到上限)" : "未证明") + ",与下界差 " + gap;
}

}  // namespace segcalc

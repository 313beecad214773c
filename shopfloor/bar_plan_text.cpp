#include "shopfloor/bar_plan_text.h"

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "shopfloor/bar_plan_words.h"
#include "shopfloor/csv_rows.h"

namespace segcalc {
namespace {

using Row = std::vector<std::string>;

// The rows after the ways of cutting, shared by both writers.
std::vector<Row> TotalRows(const barplan::BarPlan& plan, const NumberSeparators& separators) {
  const auto length = [&](double value) { return PlanLength(plan, value, separators); };
  std::vector<Row> rows;
  for (const barplan::StockUse& use : plan.new_bars) {
    rows.push_back({"新料根数", length(use.length), std::to_string(use.bars)});
  }
  if (plan.new_bars.empty()) rows.push_back({"新料根数", "0"});
  for (const barplan::StockUse& use : plan.rack_bars) {
    rows.push_back({"库存料根数", length(use.length), std::to_string(use.bars)});
  }
  rows.push_back({"新料总长", length(plan.new_length)});
  rows.push_back({"用料总长", length(plan.used_length)});
  rows.push_back({"成品总长", length(plan.piece_length)});
  rows.push_back({"利用率", UtilizationText(plan, separators)});
  rows.push_back({"余料", length(plan.offcut_length)});
  rows.push_back({"废料", length(plan.scrap_length)});
  rows.push_back({"下界", BoundText(plan, separators)});
  rows.push_back({"最优", OptimumText(plan, separators)});
  return rows;
}

Row PatternRow(const barplan::BarPlan& plan, std::size_t index,
               const NumberSeparators& separators) {
  const barplan::PlanPattern& pattern = plan.patterns[index];
  return {std::to_string(index + 1), StockText(plan, pattern, separators),
          std::to_string(pattern.bars), CutsText(plan, pattern, separators),
          PlanLength(plan, pattern.leftover, separators)};
}

}  // namespace

void WriteBarPlanText(std::ostream& out, const barplan::BarPlan& plan,
                      const NumberSeparators& separators) {
  for (std::size_t i = 0; i < plan.patterns.size(); ++i) {
    out << "方案";
    for (const std::string& cell : PatternRow(plan, i, separators)) out << '\t' << OneCell(cell);
    out << '\n';
  }
  for (const Row& row : TotalRows(plan, separators)) {
    for (std::size_t i = 0; i < row.size(); ++i) out << (i > 0 ? "\t" : "") << row[i];
    out << '\n';
  }
}

void WriteBarPlanCsv(std::ostream& out, const barplan::BarPlan& plan,
                     const NumberSeparators& separators) {
  const char delimiter = CsvDelimiter(separators);
  out << kUtf8Mark;
  WriteCsvRow(out, {"方案", "原料长度", "根数", "切法(按切割顺序)", "余料", "余料去向"}, delimiter);
  for (std::size_t i = 0; i < plan.patterns.size(); ++i) {
    Row row = PatternRow(plan, i, separators);
    const barplan::PlanPattern& pattern = plan.patterns[i];
    row.push_back(pattern.leftover <= 0 ? "" : pattern.offcut ? "回库存" : "废料");
    WriteCsvRow(out, row, delimiter);
  }
  out << "\r\n";
  for (const Row& row : TotalRows(plan, separators)) WriteCsvRow(out, row, delimiter);
}

}  // namespace segcalc

#include "shopfloor/cutting_sheet.h"

#include <map>

namespace segcalc {

std::string OutcomeWord(std::string_view token) {
  if (token == "solved") return "已解";
  if (token == "no-solution") return "无解";
  if (token == "incomplete") return "不完整";
  if (token == "conversion-error") return "数字无效";
  if (token == "arithmetic-error") return "溢出";
  if (token == "invalid-line") return "无效";
  return std::string(token);
}

std::vector<std::string> SheetHeader(const CuttingSheet& sheet) {
  std::vector<std::string> header = {"行", "编号", "数量", "结果"};
  header.insert(header.end(), sheet.columns.begin(), sheet.columns.end());
  header.push_back("说明");
  return header;
}

std::vector<std::string> SheetCells(const SheetRow& row) {
  std::vector<std::string> cells = {std::to_string(row.line), row.mark,
                                    std::to_string(row.quantity), row.outcome};
  cells.insert(cells.end(), row.cells.begin(), row.cells.end());
  cells.push_back(row.note);
  return cells;
}

SheetTotals TotalsOf(const CuttingSheet& sheet) {
  SheetTotals totals;
  std::map<std::string, std::size_t> group_of;
  for (const SheetRow& row : sheet.rows) {
    ++totals.lines;
    if (!row.cut_length) {
      ++totals.without_part;
      continue;
    }
    totals.parts += row.quantity;
    totals.cut_length += *row.cut_length * static_cast<double>(row.quantity);
    const auto [it, fresh] = group_of.try_emplace(row.group, totals.groups.size());
    if (fresh) totals.groups.push_back({{}, {}, 0, &row});
    SheetGroup& group = totals.groups[it->second];
    group.lines.push_back(row.line);
    if (!row.mark.empty()) group.marks.push_back(row.mark);
    group.quantity += row.quantity;
  }
  return totals;
}

}  // namespace segcalc

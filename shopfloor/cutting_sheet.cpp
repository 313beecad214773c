#include "shopfloor/cutting_sheet.h"

#include <map>
#include <set>

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

namespace {

// The first items, then how many there are in all when that is more.
std::string Listed(const std::vector<std::string>& items, std::size_t most, const char* unit) {
  std::string text;
  for (std::size_t i = 0; i < items.size() && i < most; ++i) text += (i ? ", " : "") + items[i];
  if (items.size() > most) text += ", … 共 " + std::to_string(items.size()) + " " + unit;
  return text;
}

}  // namespace

std::string GroupLines(const SheetGroup& group, std::size_t most) {
  std::vector<std::string> lines;
  lines.reserve(group.lines.size());
  for (const long line : group.lines) lines.push_back(std::to_string(line));
  return Listed(lines, most, "行");
}

std::string GroupMarks(const SheetGroup& group, std::size_t most) {
  std::vector<std::string> marks;
  std::set<std::string_view> seen;
  for (const std::string& mark : group.marks) {
    if (seen.insert(mark).second) marks.push_back(mark);
  }
  return Listed(marks, most, "个编号");
}

}  // namespace segcalc

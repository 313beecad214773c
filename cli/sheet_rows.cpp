// The cutting sheet's rows, made from each line's batch output as it is
// worked out, and kept in the order the lines are written.
#include <algorithm>

#include "cli/batch.h"

namespace segcalc {
namespace {

std::vector<std::string> SplitTabs(const std::string& text) {
  std::vector<std::string> cells(1);
  for (const char c : text) {
    if (c == '\t') {
      cells.emplace_back();
    } else {
      cells.back() += c;
    }
  }
  return cells;
}

// The kind of each column a named list echoes, in the order it echoes them.
std::vector<ListColumn> EchoedKinds(const ListLayout& layout) {
  std::vector<ListColumn> kinds;
  for (const ListColumn column : layout.columns) {
    if (IsEchoed(column)) kinds.push_back(column);
  }
  return kinds;
}

// "第 3 行无效: 数量一栏…" says on the sheet only what is after the line.
std::string Note(const std::string& message) {
  const std::size_t colon = message.find(": ");
  return colon == std::string::npos ? message : message.substr(colon + 2);
}

}  // namespace

void SetSheetColumns(const std::vector<std::string>& names, const ListLayout& layout,
                     BatchColumns& columns) {
  const std::vector<ListColumn> echoed = EchoedKinds(layout);
  const std::size_t first_echoed = names.size() - echoed.size();
  std::vector<std::size_t> order;
  for (const char* first : {"半径", "下料长度"}) {
    const auto it = std::find(names.begin(), names.begin() + first_echoed, first);
    if (it != names.begin() + first_echoed) order.push_back(it - names.begin());
  }
  // The sheet has the mark and the quantity of its own, and the head's
  // shape once: where the head's columns name it, not echoed again.
  const bool named_shape = std::find(names.begin(), names.begin() + first_echoed, "拱形") !=
                           names.begin() + first_echoed;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (std::find(order.begin(), order.end(), i) != order.end()) continue;
    if (i >= first_echoed) {
      const ListColumn kind = echoed[i - first_echoed];
      if (kind == ListColumn::Mark || kind == ListColumn::Quantity) continue;
      if (kind == ListColumn::Shape && named_shape) continue;
    }
    order.push_back(i);
  }
  columns.sheet_cells = order;
  columns.sheet_columns.clear();
  for (const std::size_t i : order) columns.sheet_columns.push_back(names[i]);
}

SheetRow SheetRowOf(const BatchColumns& columns, long number, const BatchLineOutput& output,
                    const ListLine* line, const ComputeRecord* record,
                    const NumberSeparators& separators) {
  std::vector<std::string> cells = SplitTabs(output.result);
  SheetRow row;
  row.line = number;
  row.outcome = OutcomeWord(cells.front());
  // What the calculator read, in plain digits: full-width input, blanks and
  // units typed after a number are not echoed.
  if (record && record->calculator && record->calculator->given && record->calculator->scan) {
    const GivenPair& given = *record->calculator->given;
    const ScanAnswer& scan = *record->calculator->scan;
    cells.at(1 + QuantityIndex(given.first)) = FormatNumber(scan.first, separators);
    cells.at(1 + QuantityIndex(given.second)) = FormatNumber(scan.second, separators);
  }
  for (const std::size_t i : columns.sheet_cells) {
    row.cells.push_back(i + 1 < cells.size() ? cells[i + 1] : std::string());
  }
  if (line) {
    row.mark = line->mark;
    row.quantity = line->quantity;
  }
  row.cut_length = output.cut_length;
  // Identical parts: the same values read and worked out, the list's options
  // being the same for every line.
  for (const std::string& cell : row.cells) row.group += cell + '\t';
  row.note = Note(output.message);
  return row;
}

void KeepRow(const BatchLineOutput& output, CuttingSheet* sheet) {
  if (!sheet || !output.row) return;
  if (sheet->rows.size() < kMaxSheetLines) {
    sheet->rows.push_back(*output.row);
  } else {
    sheet->cut_short = true;
  }
}

}  // namespace segcalc

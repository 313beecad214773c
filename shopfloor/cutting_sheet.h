#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "shopfloor/output_format.h"

namespace segcalc {

// The cutting list as a shop reads it: a row per line of the list, with its
// line number, mark and quantity, its outcome in words and its values in
// plain digits, the columns a shop reads first ahead of the rest; under it
// the totals and the identical parts grouped.

struct SheetRow {
  long line = 0;
  std::string mark;
  long long quantity = 1;
  std::string outcome;               // 已解, 无解, 无效, ...
  std::vector<std::string> cells;    // one per CuttingSheet::columns
  std::optional<double> cut_length;  // one part's length at the saw
  std::string group;                 // the same for identical parts
  std::string note;                  // why the line has no result
};

struct CuttingSheet {
  std::vector<std::string> columns;
  std::string cut_label;  // what cut_length is: 下料长度, 弧长 or 拱长
  std::vector<SheetRow> rows;
  // More lines than a sheet holds: the rows stop there.
  bool cut_short = false;
};

// No sheet of more lines than this is printed or kept in memory.
inline constexpr std::size_t kMaxSheetLines = 200'000;

// Identical parts, their lines and marks together.
struct SheetGroup {
  std::vector<long> lines;
  std::vector<std::string> marks;
  long long quantity = 0;
  const SheetRow* first = nullptr;
};

struct SheetTotals {
  long long parts = 0;             // of the lines with a length at the saw
  double cut_length = 0.0;         // each such line's length times its quantity
  long lines = 0;                  // of the list, its header aside
  long without_part = 0;           // lines that give nothing to cut
  std::vector<SheetGroup> groups;  // in the order they first appear
};

SheetTotals TotalsOf(const CuttingSheet& sheet);

// A group's lines and its distinct marks as a sheet lists them: "2, 8, 14",
// and beyond `most` of them the first ones and how many in all, so that a
// list of many identical parts keeps a cell a spreadsheet can hold.
inline constexpr std::size_t kListedInGroup = 12;
std::string GroupLines(const SheetGroup& group, std::size_t most = kListedInGroup);
std::string GroupMarks(const SheetGroup& group, std::size_t most = kListedInGroup);

// The sheet's header and a row's cells: 行, 编号, 数量, 结果, the columns, 说明.
std::vector<std::string> SheetHeader(const CuttingSheet& sheet);
std::vector<std::string> SheetCells(const SheetRow& row);

// The outcome of a batch line in words: solved 已解, no-solution 无解, ...
std::string OutcomeWord(std::string_view token);

}  // namespace segcalc

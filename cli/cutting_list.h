#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "geometry/compute_record.h"

namespace segcalc {

// What a column of a cutting list holds, by the words a shop heads it with.
enum class ListColumn { Mark, Arc, Chord, Height, Check, Quantity, Shape, Span, Rise, Other };

// How a cutting list is written, read off its first line: tabs (as
// segcalc-cli has always read), or commas or semicolons with quoted fields as
// a spreadsheet saves "CSV"; and, when the first line names the columns,
// which is which. Without names the columns are arc, chord, height, check and
// quantity, the last two optional.
struct ListLayout {
  char separator = '\t';
  bool quoted = false;
  bool named = false;               // the first line is the header row
  std::vector<ListColumn> columns;  // with names: each field's meaning
  std::vector<std::string> names;   // and its name as written
};

ListLayout ReadListLayout(std::string_view first_line);

// A header row: no field holds a digit, and either it has the three or four
// fields of the plain list or it names a column a shop writes (编号, 弧长, 数量,
// ...).
bool IsHeaderLine(std::string_view text);

// The fields of a line: split at the separator; in CSV a field may be
// quoted, its quotes doubled inside; a trailing carriage return goes first.
std::vector<std::string> SplitListFields(std::string_view line, const ListLayout& layout);

// More than this many of one part is a quantity typed into the wrong column.
inline constexpr long long kMaxQuantity = 1'000'000;

// One line of the list as the shop wrote it: the three box texts and the
// check box, how many such parts, their mark, a head's shape where the list
// names one per line, and what the output echoes after its own columns (the
// mark, the quantity as read, columns segcalc does not know).
struct ListLine {
  TypedInput typed;
  long long quantity = 1;
  bool quantity_given = false;
  std::string mark;
  std::optional<std::string> shape;
  std::vector<std::string> echoed;
};

struct ParsedListLine {
  std::optional<ListLine> line;
  std::string error;  // why the line is invalid, naming the field
};

// The check field takes 1 (小于半圆 ticked), 0 or nothing (ticked); a quantity
// is a whole number from 1 to kMaxQuantity. Full-width digits count as
// digits.
ParsedListLine ParseListLine(std::string_view text, const ListLayout& layout);

// Whether the output echoes a named list's column of this kind after its own
// columns: the mark, the quantity, the head's shape and the columns it does
// not know.
bool IsEchoed(ListColumn column);

// The names of the columns the output echoes, in order.
std::vector<std::string> EchoedNames(const ListLayout& layout);

}  // namespace segcalc

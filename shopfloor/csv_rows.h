#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "calc/number_text.h"

namespace segcalc {

// Spreadsheet files as Excel opens them: UTF-8 behind its byte-order mark,
// fields quoted where they hold the delimiter, a quote or a line break, rows
// ended by CR LF. Where the decimal separator is a comma, so is Excel's list
// separator not: the fields are then separated by semicolons.
inline constexpr std::string_view kUtf8Mark = "\xef\xbb\xbf";

char CsvDelimiter(const NumberSeparators& separators);
void WriteCsvRow(std::ostream& out, const std::vector<std::string>& row, char delimiter);

// A text typed by the user for one cell of a tab-separated line: its tabs
// and line breaks become blanks, so the line keeps its cells.
std::string OneCell(std::string text);

}  // namespace segcalc

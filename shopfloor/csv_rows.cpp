#include "shopfloor/csv_rows.h"

#include <ostream>

namespace segcalc {
namespace {

std::string CsvField(const std::string& text, char delimiter) {
  if (text.find_first_of(std::string("\"\r\n") + delimiter) == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

}  // namespace

char CsvDelimiter(const NumberSeparators& separators) {
  return separators.decimal == "," ? ';' : ',';
}

void WriteCsvRow(std::ostream& out, const std::vector<std::string>& row, char delimiter) {
  for (std::size_t i = 0; i < row.size(); ++i) {
    if (i > 0) out << delimiter;
    out << CsvField(row[i], delimiter);
  }
  out << "\r\n";
}

std::string OneCell(std::string text) {
  for (char& c : text) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

}  // namespace segcalc

#include "shopfloor/result_columns.h"

namespace segcalc {
namespace {

void AppendCell(std::string& line, std::string_view text) {
  for (const char c : text) line += c == '\t' || c == '\r' || c == '\n' ? ' ' : c;
}

}  // namespace

std::string ExactLabel(Quantity quantity) {
  return "精确" + std::string(QuantityLabel(quantity));
}

void AppendBoxColumns(std::string& line, const ComputeRecord& record) {
  for (const Quantity quantity : kQuantities) {
    line += '\t';
    line += record.BoxText(quantity);
  }
}

void AppendExactColumns(std::string& line, const ComputeRecord& record,
                        const NumberSeparators& separators) {
  for (const Quantity quantity : kQuantities) {
    line += '\t';
    if (record.exact.segment) {
      line += FormatTwoPlaces(ValueOf(*record.exact.segment, quantity), separators);
    }
  }
}

std::string BoxLines(const ComputeRecord& record) {
  std::string lines;
  for (const Quantity quantity : kQuantities) {
    lines += QuantityLabel(quantity);
    lines += '\t';
    lines += record.BoxText(quantity);
    lines += '\n';
  }
  return lines;
}

std::string ExactLines(const ExactSegment& segment, const NumberSeparators& separators) {
  std::string lines;
  for (const Quantity quantity : kQuantities) {
    lines += ExactLabel(quantity) + '\t' + FormatTwoPlaces(ValueOf(segment, quantity), separators) +
             '\n';
  }
  return lines;
}

std::string ResultsTable(const ComputeRecord& record, const NumberSeparators& separators) {
  const bool exact_only = !record.CalculatorSolved() && record.exact.segment;
  std::string header;
  std::string values;
  for (const Quantity quantity : kQuantities) {
    if (quantity != kQuantities.front()) header += '\t', values += '\t';
    if (exact_only) {
      header += ExactLabel(quantity);
      values += FormatTwoPlaces(ValueOf(*record.exact.segment, quantity), separators);
    } else {
      header += QuantityLabel(quantity);
      AppendCell(values, record.BoxText(quantity));
    }
  }
  return header + '\n' + values + '\n';
}

}  // namespace segcalc

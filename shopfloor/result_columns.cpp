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
                        const OutputFormat& format) {
  for (const Quantity quantity : kQuantities) {
    line += '\t';
    if (record.exact.segment) {
      line += format.Value(quantity, ValueOf(*record.exact.segment, quantity));
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

std::string ExactLines(const ExactSegment& segment, const OutputFormat& format) {
  std::string lines;
  for (const Quantity quantity : kQuantities) {
    lines +=
        ExactLabel(quantity) + '\t' + format.Value(quantity, ValueOf(segment, quantity)) + '\n';
  }
  return lines;
}

std::string ResultsTable(const ComputeRecord& record, const OutputFormat& format) {
  const bool exact_only = !record.CalculatorSolved() && record.exact.segment;
  std::string header;
  std::string values;
  for (const Quantity quantity : kQuantities) {
    if (quantity != kQuantities.front()) header += '\t', values += '\t';
    if (exact_only) {
      header += ExactLabel(quantity);
      values += format.Value(quantity, ValueOf(*record.exact.segment, quantity));
    } else {
      header += QuantityLabel(quantity);
      AppendCell(values, record.BoxText(quantity));
    }
  }
  return header + '\n' + values + '\n';
}

}  // namespace segcalc

#include "cli/batch.h"

#include <algorithm>
#include <charconv>
#include <ostream>
#include <vector>

#include "cli/exit_status.h"
#include "shopfloor/result_columns.h"

namespace segcalc {
namespace {

const char* OutcomeToken(OutcomeKind kind) {
  switch (kind) {
    case OutcomeKind::Solved:
      return "solved";
    case OutcomeKind::Incomplete:
      return "incomplete";
    case OutcomeKind::NoSolution:
      return "no-solution";
    case OutcomeKind::ConversionError:
      return "conversion-error";
    case OutcomeKind::ArithmeticError:
      return "arithmetic-error";
  }
  return "";
}

}  // namespace

ParsedBatchLine ParseBatchLine(std::string_view text) {
  ParsedListLine parsed = ParseListLine(text, ListLayout{});
  if (!parsed.line) return {std::nullopt, parsed.error};
  return {std::move(parsed.line->typed), {}};
}

std::string BatchResultLine(const ComputeRecord& record) {
  std::string result = OutcomeToken(record.calculator->kind);
  AppendBoxColumns(result, record);
  return result;
}

std::string BatchHeaderLine(const BatchColumns& columns, const ListLayout& layout) {
  std::string header = "结果";
  for (const Quantity quantity : kQuantities) {
    header += '\t';
    header += QuantityLabel(quantity);
  }
  for (const std::string& name : columns.names) header += '\t' + name;
  for (const std::string& name : EchoedNames(layout)) header += '\t' + name;
  return header;
}

std::string InvalidLineResult(std::string_view text, const ListLayout& layout) {
  if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
  // The first three fields, so the user still sees which arch it was: cut
  // after the third separator before splitting, so that a line of millions
  // of fields costs no more.
  std::size_t cut = 0;
  for (int field = 0; field < 3 && cut != std::string_view::npos; ++field) {
    const std::size_t next = text.find(layout.separator, cut);
    cut = next == std::string_view::npos ? next : next + 1;
  }
  const std::string_view head = cut == std::string_view::npos ? text : text.substr(0, cut - 1);
  std::vector<std::string> fields = SplitListFields(head, layout);
  fields.resize(3);
  std::string result = "invalid-line";
  for (const std::string& field : fields) result += '\t' + field;
  return result + "\t\t";
}

namespace {

// What the output echoes after its own columns: a named list's mark,
// quantity and unknown columns, a plain list's quantity.
void AppendEchoed(const std::vector<std::string>& cells, std::string& result) {
  for (const std::string& cell : cells) {
    result += '\t';
    for (const char c : cell) result += c == '\t' || c == '\r' || c == '\n' ? ' ' : c;
  }
}

}  // namespace

BatchLineOutput ProcessBatchLine(std::string_view text, long number,
                                 const NumberSeparators& separators, const BatchColumns& columns,
                                 const ListLayout& layout) {
  // An empty line stays an empty line, so the output keeps in step with the
  // input line for line.
  if (text.empty() || text == "\r") return {};
  if (number == 1 && layout.named) {
    BatchLineOutput header;
    header.result = BatchHeaderLine(columns, layout);
    return header;
  }
  ParsedListLine parsed = ParseListLine(text, layout);
  if (!parsed.line) {
    BatchLineOutput output;
    output.result = InvalidLineResult(text, layout);
    output.message = "第 " + std::to_string(number) + " 行无效: " + parsed.error;
    output.status = kExitFailed;
    if (columns.append) columns.append(number, nullptr, output);
    if (columns.compute) columns.compute(nullptr, number, output);
    AppendEchoed(std::vector<std::string>(EchoedNames(layout).size()), output.result);
    if (columns.sheet_rows) {
      output.row = SheetRowOf(columns, number, output, nullptr, nullptr, separators);
    }
    return output;
  }
  BatchLineOutput output;
  std::optional<ComputeRecord> record;
  if (columns.compute) {
    columns.compute(&*parsed.line, number, output);
  } else {
    record = RecordCompute(parsed.line->typed, separators, columns.exact);
    output.result = BatchResultLine(*record);
    if (columns.append) columns.append(number, &*record, output);
  }
  AppendEchoed(parsed.line->echoed, output.result);
  if (columns.sheet_rows) {
    output.row =
        SheetRowOf(columns, number, output, &*parsed.line, record ? &*record : nullptr, separators);
  }
  return output;
}

void WriteBatchLineOutput(const BatchLineOutput& output, std::ostream& out, std::ostream& err) {
  if (!output.message.empty()) {
    // The results before it reach their reader first; and once they cannot,
    // no further line is reported.
    if (!out.flush()) return;
    // One message a line, each with the program's name.
    std::string_view message = output.message;
    for (std::size_t end; (end = message.find('\n')) != std::string_view::npos;
         message.remove_prefix(end + 1)) {
      err << "segcalc-cli: " << message.substr(0, end) << '\n';
    }
    err << "segcalc-cli: " << message << '\n';
  }
  out << output.result << '\n';
}

}  // namespace segcalc

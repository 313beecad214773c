#include "cli/batch.h"

#include <algorithm>
#include <charconv>
#include <ostream>
#include <vector>

#include "cli/exit_status.h"
#include "shopfloor/result_columns.h"

namespace segcalc {
namespace {

std::vector<std::string_view> SplitTabs(std::string_view text) {
  std::vector<std::string_view> fields;
  for (;;) {
    const std::size_t tab = text.find('\t');
    fields.push_back(text.substr(0, tab));
    if (tab == std::string_view::npos) return fields;
    text.remove_prefix(tab + 1);
  }
}

// An optionally signed whole number, blanks around it allowed. Its value
// matters only as 1 or not 1, so one too large for an int is simply not 1.
std::optional<int> CheckValue(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  const std::size_t first = text.find_first_not_of('0');
  if (first == std::string_view::npos) return 0;
  text.remove_prefix(first);
  if (text.size() > 9) return negative ? -1 : 2;  // well beyond 1 either way
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return negative ? -value : value;
}

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
  if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
  // Counted before splitting: a line of millions of tabs must not cost a view
  // per field only to be refused.
  const auto field_count = std::count(text.begin(), text.end(), '\t') + 1;
  if (field_count != 3 && field_count != 4) {
    return {std::nullopt,
            "应有 3 或 4 个以制表符分隔的字段,实有 " + std::to_string(field_count) + " 个"};
  }
  const std::vector<std::string_view> fields = SplitTabs(text);
  TypedInput line;
  line.text(Quantity::Arc) = fields[0];
  line.text(Quantity::Chord) = fields[1];
  line.text(Quantity::Height) = fields[2];
  // Spreadsheets export an empty last cell as a trailing tab: an omitted check.
  if (fields.size() == 4 && fields[3].find_first_not_of(' ') != std::string_view::npos) {
    const std::optional<int> check = CheckValue(fields[3]);
    if (!check) return {std::nullopt, "勾选值应为整数"};
    line.mode = ModeOfCheckValue(*check);
  }
  return {std::move(line), {}};
}

bool IsHeaderLine(std::string_view text) {
  // Shaped like a line of the list: three or four fields.
  const auto tabs = std::count(text.begin(), text.end(), '\t');
  if (tabs != 2 && tabs != 3) return false;
  if (text.find_first_of("0123456789") != std::string_view::npos) return false;
  // Full-width digits, as a Chinese input method types them: EF BC 90 to 99.
  for (std::size_t at = text.find("\xef\xbc"); at != std::string_view::npos;
       at = text.find("\xef\xbc", at + 1)) {
    if (at + 2 < text.size() && text[at + 2] >= '\x90' && text[at + 2] <= '\x99') return false;
  }
  return text.find_first_not_of(" \t\r") != std::string_view::npos;
}

std::string BatchResultLine(const ComputeRecord& record) {
  std::string result = OutcomeToken(record.calculator->kind);
  AppendBoxColumns(result, record);
  return result;
}

std::string BatchHeaderLine(const BatchColumns& columns) {
  std::string header = "结果";
  for (const Quantity quantity : kQuantities) {
    header += '\t';
    header += QuantityLabel(quantity);
  }
  for (const std::string& name : columns.names) header += '\t' + name;
  return header;
}

std::string InvalidLineResult(std::string_view text) {
  if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
  std::string result = "invalid-line";
  // The first three fields, so the user still sees which arch it was.
  for (int field = 0; field < 3; ++field) {
    const std::size_t tab = text.find('\t');
    result += '\t';
    result += text.substr(0, tab);
    text.remove_prefix(tab == std::string_view::npos ? text.size() : tab + 1);
  }
  return result + "\t\t";
}

BatchLineOutput ProcessBatchLine(std::string_view text, long number,
                                 const NumberSeparators& separators, const BatchColumns& columns) {
  // An empty line stays an empty line, so the output keeps in step with the
  // input line for line.
  if (text.empty() || text == "\r") return {};
  if (number == 1 && IsHeaderLine(text)) return {BatchHeaderLine(columns), {}, kExitOk};
  ParsedBatchLine parsed = ParseBatchLine(text);
  if (!parsed.line) {
    BatchLineOutput output{InvalidLineResult(text),
                           "第 " + std::to_string(number) + " 行无效: " + parsed.error,
                           kExitFailed};
    if (columns.append) columns.append(number, nullptr, output);
    return output;
  }
  if (columns.compute) return columns.compute(*parsed.line, number);
  const ComputeRecord record = RecordCompute(std::move(*parsed.line), separators, columns.exact);
  BatchLineOutput output{BatchResultLine(record), {}, kExitOk};
  if (columns.append) columns.append(number, &record, output);
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

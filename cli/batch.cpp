#include "cli/batch.h"

#include <algorithm>
#include <charconv>
#include <istream>
#include <ostream>
#include <vector>

#include "calc/result_boxes.h"
#include "cli/input_encoding.h"
#include "cli/parallel_batch.h"

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
  BatchLine line{std::string(fields[0]), std::string(fields[1]), std::string(fields[2]), 1};
  // Spreadsheets export an empty last cell as a trailing tab: an omitted check.
  if (fields.size() == 4 && fields[3].find_first_not_of(' ') != std::string_view::npos) {
    const std::optional<int> check = CheckValue(fields[3]);
    if (!check) return {std::nullopt, "勾选值应为整数"};
    line.check_value = *check;
  }
  return {std::move(line), {}};
}

std::string BatchResultLine(const BatchLine& line, const ComputeOutcome& outcome) {
  BoxTexts boxes = {line.arc, line.chord, line.height, "", ""};
  if (outcome.texts) WriteResultTexts(*outcome.texts, boxes);
  std::string result = OutcomeToken(outcome.kind);
  for (const std::string& box : boxes) result += '\t' + box;
  return result;
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
                                 const NumberSeparators& separators, const BatchLineHook& hook) {
  // An empty line stays an empty line, so the output keeps in step with the
  // input line for line.
  if (text.empty() || text == "\r") return {};
  const ParsedBatchLine parsed = ParseBatchLine(text);
  if (!parsed.line) {
    BatchLineOutput output{InvalidLineResult(text),
                           "第 " + std::to_string(number) + " 行无效: " + parsed.error};
    if (hook) hook(number, nullptr, nullptr, output);
    return output;
  }
  const BatchLine& line = *parsed.line;
  const ComputeOutcome outcome =
      Compute({line.arc, line.chord, line.height}, line.check_value, separators);
  BatchLineOutput output{BatchResultLine(line, outcome), {}};
  if (hook) hook(number, &line, &outcome, output);
  return output;
}

void WriteBatchLineOutput(const BatchLineOutput& output, std::ostream& out, std::ostream& err) {
  if (!output.message.empty()) {
    // The results before it reach their reader first; and once they cannot,
    // no further line is reported.
    if (!out.flush()) return;
    err << "segcalc-cli: " << output.message << '\n';
  }
  out << output.result << '\n';
}

int RunBatch(std::istream& raw_in, std::ostream& out, std::ostream& err,
             const NumberSeparators& separators, unsigned jobs, const BatchLineHook& hook) {
  DecodedInput decoded(raw_in);
  std::istream& in = decoded.stream();
  if (jobs > 1) return RunParallelBatch(in, out, err, separators, jobs, hook);
  int status = 0;
  std::string text;
  // Results that can no longer be written are not worth computing.
  for (long number = 1; out && std::getline(in, text); ++number) {
    const BatchLineOutput output = ProcessBatchLine(text, number, separators, hook);
    if (!output.message.empty()) status = 1;
    WriteBatchLineOutput(output, out, err);
    // Each result reaches its reader as soon as the next line is not there
    // yet; a list read from a file is written in blocks.
    if (in.rdbuf()->in_avail() <= 0) out.flush();
  }
  return status;
}

}  // namespace segcalc

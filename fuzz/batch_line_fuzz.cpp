// The batch line reader on any input, split into lines as the batch mode
// splits it. Each line must parse into exactly the fields it holds, or be
// refused with a reason; a result line has one field per box, whatever the
// texts hold.
#include <cstdint>
#include <string>
#include <string_view>

#include "calc/compute_request.h"
#include "cli/batch.h"
#include "fuzz/fuzz_check.h"

using namespace segcalc;

namespace {

std::size_t CountTabs(std::string_view text) {
  std::size_t tabs = 0;
  for (char c : text) tabs += c == '\t';
  return tabs;
}

// Whether a check field ticks the box: 1 or nothing ticks it, 0 clears it
// (blanks around it, and a digit written full width, aside); a line whose
// check field is anything else is refused before it gets here.
bool TicksTheBox(std::string_view field) {
  std::string plain;
  while (!field.empty()) {
    if (field.starts_with("\xE3\x80\x80")) {  // an ideographic space
      field.remove_prefix(3);
    } else if (field.starts_with("\xEF\xBC\x90") || field.starts_with("\xEF\xBC\x91")) {
      plain += field[2] == '\x90' ? '0' : '1';  // a full-width 0 or 1
      field.remove_prefix(3);
    } else {
      if (field.front() != ' ') plain += field.front();
      field.remove_prefix(1);
    }
  }
  FUZZ_CHECK(plain.empty() || plain == "0" || plain == "1");
  return plain != "0";
}

void CheckLine(std::string_view text) {
  const ParsedBatchLine parsed = ParseBatchLine(text);
  std::string_view body = text;
  if (!body.empty() && body.back() == '\r') body.remove_suffix(1);
  const std::size_t tabs = CountTabs(body);

  if (!parsed.line) {
    FUZZ_CHECK(!parsed.error.empty());
    return;
  }
  // Arc, chord, height, then the check and the quantity, each optional.
  FUZZ_CHECK(tabs >= 2 && tabs <= 4);
  const TypedInput& line = *parsed.line;
  const std::string joined = line.text(Quantity::Arc) + '\t' + line.text(Quantity::Chord) + '\t' +
                             line.text(Quantity::Height);
  FUZZ_CHECK(body.substr(0, joined.size()) == joined);
  if (tabs == 2) {
    FUZZ_CHECK(joined.size() == body.size());
    FUZZ_CHECK(line.mode == SolveMode::MinorArc);
  } else {
    const std::string_view check = body.substr(joined.size() + 1);
    FUZZ_CHECK(TicksTheBox(check.substr(0, check.find('\t'))) ==
               (line.mode == SolveMode::MinorArc));
  }

  // Every outcome kind, with and without result texts, keeps five fields.
  ComputeRecord record;
  record.typed = line;
  for (int kind = 0; kind <= static_cast<int>(OutcomeKind::ArithmeticError); ++kind) {
    ComputeOutcome outcome;
    outcome.kind = static_cast<OutcomeKind>(kind);
    outcome.given =
        GivenPair{InputPair::ArcAndHeight, Quantity::Arc, Quantity::Height, Quantity::Chord};
    for (bool with_texts : {false, true}) {
      if (with_texts) outcome.texts = ResultTexts{"1", "2", "3"};
      record.calculator = outcome;
      const std::string result = BatchResultLine(record);
      FUZZ_CHECK(CountTabs(result) == 5);
      FUZZ_CHECK(result.find('\n') == std::string::npos);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  // std::getline: a line ends at each line feed; a final one adds no line.
  while (!input.empty()) {
    const std::size_t end = input.find('\n');
    CheckLine(input.substr(0, end));
    if (end == std::string_view::npos) break;
    input.remove_prefix(end + 1);
  }
  return 0;
}

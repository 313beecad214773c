// Compute on any three texts and check value. The input is
// 'arc<TAB>chord<TAB>height[<TAB>flags]': the first flag byte is the check value
// ('1' ticks it), the second picks the locale. Each input may cost a full scan,
// so inputs are kept short; the number targets cover long texts.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calc/compute_request.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/separator_sets.h"

using namespace segcalc;

namespace {

constexpr std::size_t kLongestInput = 128;

std::vector<std::string> SplitTabs(std::string_view input) {
  std::vector<std::string> fields;
  for (;;) {
    const std::size_t tab = input.find('\t');
    fields.emplace_back(input.substr(0, tab));
    if (tab == std::string_view::npos) return fields;
    input.remove_prefix(tab + 1);
  }
}

std::string_view TextOf(const MeasurementTexts& texts, Quantity box) {
  switch (box) {
    case Quantity::Arc:
      return texts.arc;
    case Quantity::Chord:
      return texts.chord;
    default:
      return texts.height;
  }
}

// A result text must be a number the program itself can read back.
void CheckResultText(const std::string& text, const NumberSeparators& separators) {
  FUZZ_CHECK(!text.empty());
  const NumberReading reading = LenientNumber(text, separators);
  FUZZ_CHECK(reading.ok() && std::isfinite(reading.value));
}

void CheckOutcome(const MeasurementTexts& texts, const ComputeOutcome& outcome,
                  const NumberSeparators& separators) {
  const bool arc = !texts.arc.empty(), chord = !texts.chord.empty(), height = !texts.height.empty();
  const bool any_pair = (arc && chord) || (arc && height) || (chord && height);
  FUZZ_CHECK((outcome.kind == OutcomeKind::Incomplete) == !any_pair);

  // The box left out of the pair is the one a solve fills.
  const Quantity missing = arc && chord    ? Quantity::Height
                           : arc && height ? Quantity::Chord
                                           : Quantity::Arc;
  switch (outcome.kind) {
    case OutcomeKind::Solved:
      FUZZ_CHECK(outcome.texts.has_value());
      break;
    case OutcomeKind::Incomplete:
    case OutcomeKind::NoSolution:
      FUZZ_CHECK(!outcome.texts.has_value());
      break;
    case OutcomeKind::ConversionError: {
      FUZZ_CHECK(!outcome.texts.has_value());
      FUZZ_CHECK(outcome.failed_box != missing);
      FUZZ_CHECK(outcome.conversion != ConversionStatus::Ok);
      const std::string_view failed = TextOf(texts, outcome.failed_box);
      const NumberReading again = missing == Quantity::Arc ? StrictNumber(failed, separators)
                                                           : LenientNumber(failed, separators);
      FUZZ_CHECK(again.status == outcome.conversion);
      break;
    }
    case OutcomeKind::ArithmeticError:
      break;
  }
  if (outcome.texts) {
    FUZZ_CHECK(outcome.given->missing == missing);
    CheckResultText(outcome.texts->angle, separators);
    CheckResultText(outcome.texts->radius, separators);
    CheckResultText(outcome.texts->missing, separators);
    // Angles come from the scan range, rounded to two places.
    const double angle = LenientNumber(outcome.texts->angle, separators).value;
    FUZZ_CHECK(angle >= 0.0 && angle <= 360.0);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > kLongestInput) return -1;  // not added to the corpus
  const std::vector<std::string> fields = SplitTabs({reinterpret_cast<const char*>(data), size});
  if (fields.size() < 3) return 0;
  const std::string flags = fields.size() > 3 ? fields[3] : "1";
  const int check_value = flags.empty() ? 0 : static_cast<unsigned char>(flags[0]) - '0';
  const NumberSeparators& separators =
      fuzz::kSeparatorSets[flags.size() > 1
                               ? static_cast<unsigned char>(flags[1]) % fuzz::kSeparatorSets.size()
                               : 0];

  const std::string arc = fields[0], chord = fields[1], height = fields[2];
  const MeasurementTexts texts{arc, chord, height};
  const ComputeOutcome outcome = Compute(texts, ModeOfCheckValue(check_value), separators);
  FUZZ_CHECK(arc == fields[0] && chord == fields[1] && height == fields[2]);
  CheckOutcome(texts, outcome, separators);
  return 0;
}

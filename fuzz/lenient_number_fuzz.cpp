// LenientNumber on any bytes, under every locale the platform can report.
#include <cmath>
#include <cstdint>
#include <string>

#include "calc/number_text.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/number_properties.h"
#include "fuzz/separator_sets.h"

using segcalc::ConversionStatus;
using segcalc::LenientNumber;
using segcalc::NumberReading;
using segcalc::StrictNumber;
using namespace segcalc::fuzz;

namespace {

// A full stop or comma, ASCII or full-width, or one of the locale's separators.
bool HoldsSeparator(const std::string& text, const segcalc::NumberSeparators& separators) {
  for (const char* form : {".", ",", "\uff0e", "\u3002", "\uff0c"}) {
    if (text.find(form) != std::string::npos) return true;
  }
  return text.find(separators.decimal) != std::string::npos ||
         (!separators.thousands.empty() && text.find(separators.thousands) != std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string original = text;
  for (const segcalc::NumberSeparators& separators : kSeparatorSets) {
    const NumberReading reading = LenientNumber(text, separators);
    // A mismatch is a number stopped by a separator with digits after it.
    if (reading.status == ConversionStatus::TypeMismatch)
      FUZZ_CHECK(HoldsSeparator(text, separators));
    if (reading.ok()) {
      FUZZ_CHECK(std::isfinite(reading.value));
      CheckRoundedValueReadsBack(reading.value, separators);
      CheckAnyValueReadsBack(reading.value, separators);
    }
    // Whatever follows the number is ignored, and no letter continues one.
    FUZZ_CHECK(SameReading(LenientNumber(text + "z", separators), reading));
    FUZZ_CHECK(SameReading(LenientNumber(text + "z1", separators), reading));
  }
  // A text that is one number under the strict rules (full stop, no grouping)
  // reads the same leniently.
  const NumberReading strict = StrictNumber(text, {".", ""});
  if (strict.status != ConversionStatus::TypeMismatch) {
    FUZZ_CHECK(SameReading(LenientNumber(text, {".", ""}), strict));
  }
  FUZZ_CHECK(text == original);
  return 0;
}

// StrictNumber on any bytes, under every locale the platform can report.
#include <cmath>
#include <cstdint>
#include <string>

#include "calc/number_text.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/number_properties.h"
#include "fuzz/separator_sets.h"

using segcalc::ConversionStatus;
using segcalc::NumberReading;
using segcalc::StrictNumber;
using namespace segcalc::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string original = text;
  for (const segcalc::NumberSeparators& separators : kSeparatorSets) {
    const NumberReading reading = StrictNumber(text, separators);
    if (reading.ok()) {
      FUZZ_CHECK(std::isfinite(reading.value));
      CheckRoundedValueReadsBack(reading.value, separators);
      CheckAnyValueReadsBack(reading.value, separators);
    }
    if (separators.thousands.empty() && reading.status != ConversionStatus::TypeMismatch) {
      CheckAgreesWithStrtod(text, reading);
    }
    // The whole text must be the number: a trailing letter is never accepted.
    FUZZ_CHECK(StrictNumber(text + "z", separators).status == ConversionStatus::TypeMismatch);
    // Blanks around the number change nothing.
    FUZZ_CHECK(SameReading(StrictNumber(" \t" + text + "\t ", separators), reading));
  }
  FUZZ_CHECK(text == original);
  return 0;
}

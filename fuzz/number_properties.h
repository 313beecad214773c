#pragma once

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "calc/number_text.h"
#include "fuzz/fuzz_check.h"

namespace segcalc::fuzz {

// Two doubles that are the same bits: 0 and -0 differ, which a displayed
// result would show.
inline bool SameDouble(double x, double y) {
  return std::memcmp(&x, &y, sizeof x) == 0;
}

inline bool SameReading(const NumberReading& x, const NumberReading& y) {
  return x.status == y.status && (x.status != ConversionStatus::Ok || SameDouble(x.value, y.value));
}

// Below this magnitude a value rounded to two places has at most fifteen
// significant digits, so its text must read back as the very same double.
inline constexpr double kExactTextLimit = 1e13;

// What the program writes for a value it has read and rounded, it must read
// again unchanged, and never with more than two decimals.
inline void CheckRoundedValueReadsBack(double value, const NumberSeparators& separators) {
  const double rounded = RoundHalfEven2(value);
  FUZZ_CHECK(std::isfinite(rounded));
  if (!(std::fabs(rounded) < kExactTextLimit)) return;
  FUZZ_CHECK(SameDouble(RoundHalfEven2(rounded), rounded));
  const std::string text = FormatNumber(rounded, separators);
  const std::size_t point = text.find(separators.decimal);
  FUZZ_CHECK(point == std::string::npos || text.size() - point - separators.decimal.size() <= 2);
  const NumberReading lenient = LenientNumber(text, separators);
  const NumberReading strict = StrictNumber(text, separators);
  FUZZ_CHECK(lenient.ok() && strict.ok());
  // FormatNumber writes negative zero as "0".
  const double expected = rounded == 0.0 ? 0.0 : rounded;
  FUZZ_CHECK(SameDouble(lenient.value, expected));
  FUZZ_CHECK(SameDouble(strict.value, expected));
}

// Any finite value is written with fifteen significant digits, correctly
// rounded, and the text reads back as the C library's reading of the same
// fifteen digits. Near the top of the double range those digits round up past
// it (the largest double is written 1.79769313486232E+308), and the text then
// reads as an overflow, as it must. The fuzz programs never set a locale, so
// printf and strtod use the full stop.
inline void CheckAnyValueReadsBack(double value, const NumberSeparators& separators) {
  char digits[40];
  std::snprintf(digits, sizeof digits, "%.14e", value);
  const double expected = value == 0.0 ? 0.0 : std::strtod(digits, nullptr);
  const NumberReading reading = LenientNumber(FormatNumber(value, separators), separators);
  if (std::isinf(expected)) {
    FUZZ_CHECK(reading.status == ConversionStatus::Overflow);
  } else {
    FUZZ_CHECK(reading.ok());
    FUZZ_CHECK(SameDouble(reading.value, expected));
  }
}

// The C library's reading of a plain decimal number (full stop, no grouping,
// the exponent letter E or D, blanks around it), correctly rounded:
// Ok with the same double, or Overflow where strtod overflows.
inline void CheckAgreesWithStrtod(std::string_view text, const NumberReading& reading) {
  std::string plain;
  for (char c : WithAsciiForms(text)) {
    if (c == ' ' || c == '\t') continue;
    plain += (c == 'd' || c == 'D') ? 'e' : c;
  }
  errno = 0;
  char* end = nullptr;
  const double expected = std::strtod(plain.c_str(), &end);
  FUZZ_CHECK(end == plain.c_str() + plain.size());
  const bool overflow = errno == ERANGE && std::isinf(expected);
  FUZZ_CHECK((reading.status == ConversionStatus::Overflow) == overflow);
  if (!overflow) FUZZ_CHECK(SameDouble(reading.value, expected));
}

}  // namespace segcalc::fuzz

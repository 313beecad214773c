#pragma once

#include <cmath>
#include <cstring>
#include <string>

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

}  // namespace segcalc::fuzz

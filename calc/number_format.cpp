#include "calc/number_text.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace segcalc {

double RoundHalfEven2(double value) {
  const double scaled = value * 100.0;
  if (std::isinf(scaled)) return value;
  return std::nearbyint(scaled) / 100.0;
}

std::string FormatNumber(double value, const NumberSeparators& separators) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
  if (value == 0.0) return "0";

  // Fifteen significant digits, correctly rounded: d.dddddddddddddde[+-]x
  char buffer[40];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                    std::chars_format::scientific, 14);
  const std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));
  const std::size_t e = scientific.find('e');
  std::string digits;
  digits += scientific[0];
  digits.append(scientific.substr(2, e - 2));
  int exponent = 0;
  std::from_chars(scientific.data() + e + (scientific[e + 1] == '+' ? 2 : 1),
                  scientific.data() + scientific.size(), exponent);
  digits.erase(digits.find_last_not_of('0') + 1);

  std::string text = value < 0 ? "-" : "";
  if (exponent >= 15) {
    text += digits[0];
    if (digits.size() > 1) text += separators.decimal + digits.substr(1);
    return text + "E+" + std::to_string(exponent);  // exponent >= 15: two digits at least
  }
  if (exponent >= 0) {
    const auto whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole) return text + digits + std::string(whole - digits.size(), '0');
    return text + digits.substr(0, whole) + separators.decimal + digits.substr(whole);
  }
  return text + "0" + separators.decimal +
         std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
}

std::string FormatTwoPlaces(double value, const NumberSeparators& separators) {
  return FormatNumber(RoundHalfEven2(value), separators);
}

}  // namespace segcalc

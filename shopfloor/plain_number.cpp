#include "shopfloor/plain_number.h"

#include <charconv>
#include <cmath>

namespace segcalc {

namespace {

std::string Trimmed(const char* begin, const char* end) {
  std::string text(begin, end);
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  return text;
}

}  // namespace

std::string PlainNumber(double value, int decimals) {
  if (!std::isfinite(value)) return "0";
  char buffer[400];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  return error == std::errc() ? Trimmed(buffer, end) : "0";
}

std::string PlainNumber(double value) {
  if (!std::isfinite(value)) return "0";
  char buffer[400];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  return error == std::errc() ? Trimmed(buffer, end) : "0";
}

}  // namespace segcalc

#include "shopfloor/plain_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace segcalc {

namespace {

std::string Trimmed(const char* begin, const char* end) {
  if (std::find(begin, end, '.') != end) {
    while (end[-1] == '0') --end;
    if (end[-1] == '.') --end;
  }
  if (end - begin == 2 && begin[0] == '-' && begin[1] == '0') ++begin;
  return std::string(begin, end);
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

#pragma once

// What the libc++ of Debian's emscripten (13) lacks of C++20 and the tree
// uses; cmake/WebAssembly.cmake includes this file in every source of the web
// build.
//
// std::bit_cast, from the compiler's builtin.
//
// std::to_chars and std::from_chars for double. The calculation reads and
// writes every number through them and decides its results at two decimals,
// so they come from the C library: its strtod rounds correctly and its printf
// writes the exact decimal value, as the native builds' libstdc++ does.
// tests/web/charconv_probe.cpp compares the two builds value by value.

#include <bit>
#include <charconv>

#if defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 14000

#include <type_traits>

namespace std {

template <class To, class From>
requires(sizeof(To) == sizeof(From) && is_trivially_copyable_v<To> &&
         is_trivially_copyable_v<From>) constexpr To bit_cast(const From& from) noexcept {
  return __builtin_bit_cast(To, from);
}

}  // namespace std

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace segcalc_charconv_fallback {

inline std::to_chars_result Copy(char* first, char* last, const std::string& text) {
  if (static_cast<std::size_t>(last - first) < text.size()) {
    return {last, std::errc::value_too_large};
  }
  std::memcpy(first, text.data(), text.size());
  return {first + text.size(), std::errc()};
}

inline std::string Printed(const char* format, int precision, double value) {
  const int size = std::snprintf(nullptr, 0, format, precision, value);
  std::string text(static_cast<std::size_t>(size) + 1, '\0');
  std::snprintf(text.data(), text.size(), format, precision, value);
  text.pop_back();
  return text;
}

// A positive value as significant digits and the decimal exponent of the first.
struct Digits {
  std::string digits;
  int exponent = 0;
};

inline Digits ParseScientific(const std::string& text) {  // "d.ddde+xx"
  Digits result;
  const std::size_t e = text.find('e');
  for (std::size_t i = 0; i < e; ++i) {
    if (text[i] != '.') result.digits += text[i];
  }
  result.exponent = std::atoi(text.c_str() + e + 1);
  return result;
}

inline bool ReadsBack(const Digits& d, double value) {
  const int scale = d.exponent - static_cast<int>(d.digits.size()) + 1;
  return std::strtod((d.digits + "e" + std::to_string(scale)).c_str(), nullptr) == value;
}

// The neighbour one unit in the last digit up or down, with as many digits.
inline void Neighbour(Digits& d, int step) {
  std::string& s = d.digits;
  if (step > 0) {
    std::size_t i = s.size();
    while (i > 0 && s[i - 1] == '9') s[--i] = '0';
    if (i == 0) {
      s[0] = '1';  // 99..9 + 1 = 100..0, one decade up
      ++d.exponent;
    } else {
      ++s[i - 1];
    }
    return;
  }
  std::size_t i = s.size();
  while (i > 0 && s[i - 1] == '0') s[--i] = '9';
  --s[i - 1];
  if (s[0] == '0') {
    s.erase(0, 1);  // 100..0 - 1 = 99..9, one decade down, as many digits
    s += '9';
    --d.exponent;
  }
}

// The fewest significant digits that read back as the value; of several, the
// nearest. The correctly rounded n digits are the nearest n; beside a power of
// two the gap below is half the gap above, so its neighbour may read back
// where it does not.
inline Digits Shortest(double value) {
  for (int count = 1;; ++count) {
    Digits found = ParseScientific(Printed("%.*e", count - 1, value));
    bool reads_back = count >= 17 || ReadsBack(found, value);
    for (const int step : {1, -1}) {
      if (reads_back) break;
      Digits other = found;
      Neighbour(other, step);
      if (ReadsBack(other, value)) {
        found = other;
        reads_back = true;
      }
    }
    if (!reads_back) continue;
    found.digits.erase(found.digits.find_last_not_of('0') + 1);
    return found;
  }
}

inline std::string FixedShortest(const Digits& d, double magnitude) {
  const int count = static_cast<int>(d.digits.size());
  // No fraction: the integer itself, exact, which above 2^53 is also the
  // shortest (or as short and nearer than the digits padded with zeros).
  if (count <= d.exponent + 1) return Printed("%.*f", 0, magnitude);
  if (d.exponent >= 0) {
    const auto whole = static_cast<std::size_t>(d.exponent + 1);
    return d.digits.substr(0, whole) + "." + d.digits.substr(whole);
  }
  return "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
}

inline std::string ScientificShortest(const Digits& d) {
  std::string text(1, d.digits[0]);
  if (d.digits.size() > 1) text += "." + d.digits.substr(1);
  const int magnitude = d.exponent < 0 ? -d.exponent : d.exponent;
  text += d.exponent < 0 ? "e-" : "e+";
  if (magnitude < 10) text += '0';
  return text + std::to_string(magnitude);
}

inline std::string NonFinite(double value) {
  return std::string(std::signbit(value) ? "-" : "") + (std::isnan(value) ? "nan" : "inf");
}

inline std::to_chars_result ToChars(char* first, char* last, double value, std::chars_format format,
                                    bool shortest, int precision) {
  if (!std::isfinite(value)) return Copy(first, last, NonFinite(value));
  if (!shortest) {
    if (precision < 0) precision = 6;
    switch (format) {
      case std::chars_format::fixed:
        return Copy(first, last, Printed("%.*f", precision, value));
      case std::chars_format::scientific:
        return Copy(first, last, Printed("%.*e", precision, value));
      case std::chars_format::hex: {
        std::string text = Printed("%.*a", precision, value);
        text.erase(text.find('x') - 1, 2);  // no 0x, as to_chars writes it
        return Copy(first, last, text);
      }
      default:
        return Copy(first, last, Printed("%.*g", precision, value));
    }
  }
  const std::string sign = std::signbit(value) ? "-" : "";
  if (value == 0)
    return Copy(first, last, sign + (format == std::chars_format::scientific ? "0e+00" : "0"));
  const double magnitude = std::fabs(value);
  const Digits digits = Shortest(magnitude);
  const std::string fixed = FixedShortest(digits, magnitude);
  const std::string scientific = ScientificShortest(digits);
  if (format == std::chars_format::fixed) return Copy(first, last, sign + fixed);
  if (format == std::chars_format::scientific) return Copy(first, last, sign + scientific);
  // Plain: the shorter of the two, fixed when they are as long.
  return Copy(first, last, sign + (scientific.size() < fixed.size() ? scientific : fixed));
}

inline bool IsDigit(char c, bool hex) {
  return (c >= '0' && c <= '9') || (hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
}

inline bool StartsWithNoCase(const char* at, const char* last, const char* word) {
  for (; *word != '\0'; ++at, ++word) {
    if (at == last || (*at | 0x20) != *word) return false;
  }
  return true;
}

// The longest prefix that from_chars takes: a sign, digits with at most one
// point, an exponent where the format allows one; or inf, infinity, nan.
inline std::from_chars_result FromChars(const char* first, const char* last, double& value,
                                        std::chars_format format) {
  const char* at = first;
  const bool negative = at != last && *at == '-';
  if (negative) ++at;
  if (StartsWithNoCase(at, last, "nan")) {
    value = negative ? -std::nan("") : std::nan("");
    return {at + 3, std::errc()};
  }
  if (StartsWithNoCase(at, last, "inf")) {
    value = negative ? -HUGE_VAL : HUGE_VAL;
    return {at + (StartsWithNoCase(at, last, "infinity") ? 8 : 3), std::errc()};
  }
  const bool hex = format == std::chars_format::hex;
  const char* const digits_begin = at;
  bool any_digit = false;
  bool nonzero = false;
  for (bool point = false; at != last; ++at) {
    if (*at == '.' && !point) {
      point = true;
    } else if (IsDigit(*at, hex)) {
      any_digit = true;
      nonzero = nonzero || *at != '0';
    } else {
      break;
    }
  }
  if (!any_digit) return {first, std::errc::invalid_argument};
  const char* end = at;
  const bool exponent_allowed = format != std::chars_format::fixed;
  if (exponent_allowed && at != last && (*at | 0x20) == (hex ? 'p' : 'e')) {
    const char* e = at + 1;
    if (e != last && (*e == '+' || *e == '-')) ++e;
    if (e != last && IsDigit(*e, false)) {
      while (e != last && IsDigit(*e, false)) ++e;
      end = e;
    }
  }
  if (format == std::chars_format::scientific && end == at) {
    return {first, std::errc::invalid_argument};
  }
  std::string text(negative ? "-" : "");
  if (hex) text += "0x";
  text.append(digits_begin, end);
  const double read = std::strtod(text.c_str(), nullptr);
  // Beyond the range either way: the value is left as it was.
  if (std::isinf(read) || (read == 0 && nonzero)) return {end, std::errc::result_out_of_range};
  value = read;
  return {end, std::errc()};
}

}  // namespace segcalc_charconv_fallback

namespace std {

inline to_chars_result to_chars(char* first, char* last, double value) {
  return segcalc_charconv_fallback::ToChars(first, last, value, chars_format::general, true, 0);
}
inline to_chars_result to_chars(char* first, char* last, double value, chars_format format) {
  return segcalc_charconv_fallback::ToChars(first, last, value, format, true, 0);
}
inline to_chars_result to_chars(char* first, char* last, double value, chars_format format,
                                int precision) {
  return segcalc_charconv_fallback::ToChars(first, last, value, format, false, precision);
}
inline from_chars_result from_chars(const char* first, const char* last, double& value,
                                    chars_format format = chars_format::general) {
  return segcalc_charconv_fallback::FromChars(first, last, value, format);
}

}  // namespace std

#endif

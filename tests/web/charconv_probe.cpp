// Writes the number conversions the calculation relies on, for a fixed set of
// values and texts, one line each. Built natively (libstdc++) and for
// WebAssembly (libc++ with web/libcxx_fallbacks.h); the two outputs must be
// the same to the byte.
//
//   charconv_probe [count]   count random values and texts of each kind

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

std::string Written(double value, std::chars_format format, int precision) {
  char buffer[1100];
  const auto result = precision < 0
                          ? std::to_chars(buffer, buffer + sizeof buffer, value, format)
                          : std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
  if (result.ec != std::errc()) return "error";
  return std::string(buffer, result.ptr);
}

std::string Plain(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::uint64_t Bits(double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

void WriteValue(double value) {
  std::printf("v %016llx %s %s %s %s\n", static_cast<unsigned long long>(Bits(value)),
              Plain(value).c_str(), Written(value, std::chars_format::fixed, -1).c_str(),
              Written(value, std::chars_format::fixed, 2).c_str(),
              Written(value, std::chars_format::scientific, 14).c_str());
}

void WriteReading(const std::string& text, std::chars_format format) {
  double value = -7.0;  // left as it is when the text is out of range
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value, format);
  // By name: the two C libraries number their errors differently.
  const char* error = result.ec == std::errc()                      ? "ok"
                      : result.ec == std::errc::result_out_of_range ? "out-of-range"
                                                                    : "invalid";
  std::printf("r %s %s %td %016llx\n", text.c_str(), error, result.ptr - text.data(),
              static_cast<unsigned long long>(Bits(value)));
}

double FromBits(std::uint64_t bits) {
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 20000;
  std::mt19937_64 random(20261209);

  // Every power of two (where the gap below a value is half the gap above)
  // and of ten, and their neighbours.
  for (int e = -1074; e <= 1023; ++e) {
    const double p = std::ldexp(1.0, e);
    for (const double v : {p, std::nextafter(p, 0.0), std::nextafter(p, HUGE_VAL)}) WriteValue(v);
  }
  for (int e = -323; e <= 308; ++e)
    WriteValue(std::strtod(("1e" + std::to_string(e)).c_str(), nullptr));
  for (const double v : {0.0, -0.0, 0.005, 0.015, 0.025, 1.005, 2.675, 1e15, 9007199254740993.0})
    WriteValue(v);

  // The engine's output alone: the distributions of the two standard
  // libraries draw differently.
  for (int i = 0; i < count; ++i) {
    // Any finite double, and the values a cutting list holds: two decimals
    // and results on the way to them, a few ulps from the halfway points.
    double any = FromBits(random());
    if (!std::isfinite(any)) any = 1.0;
    WriteValue(any);
    const double two_places = static_cast<double>(random() % 100'000'000'001ULL) / 100.0;
    WriteValue(two_places);
    double halfway = two_places + 0.005;
    for (int step = static_cast<int>(random() % 5); step > 0; --step) {
      halfway = std::nextafter(halfway, random() % 2 ? HUGE_VAL : 0.0);
    }
    WriteValue(halfway);
    WriteValue(halfway * 3.14 / 180.0);
  }

  // Texts as the number reader builds them, digits, point and exponent, and
  // the hexadecimal integers of '&H' numbers.
  const char* hex_digits = "0123456789abcdef";
  for (int i = 0; i < count; ++i) {
    std::string whole, fraction;
    for (int n = static_cast<int>(random() % 25); n > 0; --n)
      whole += static_cast<char>('0' + random() % 10);
    for (int n = static_cast<int>(random() % 25); n > 0; --n)
      fraction += static_cast<char>('0' + random() % 10);
    std::string text = (whole.empty() ? "0" : whole) + (fraction.empty() ? "" : "." + fraction);
    const int exponent = static_cast<int>(random() % 700) - 350;
    WriteReading(text + "e" + std::to_string(exponent), std::chars_format::general);
    WriteReading(text, std::chars_format::general);
    std::string hex;
    for (int n = 1 + static_cast<int>(random() % 20); n > 0; --n) hex += hex_digits[random() % 16];
    WriteReading(hex, std::chars_format::hex);
  }
  for (const char* text : {"1e400", "1e-400", "3e-320", "2.4703282292062328e-324",
                           "2.4703282292062327e-324", "1.7976931348623158e308", "0e999999999",
                           "12.5e", "12.5e+", "-0", "inf", "nan", ".5", "5.", "abc"}) {
    WriteReading(text, std::chars_format::general);
  }
  return 0;
}

#pragma once

// Numbers as the user types them and as the calculator shows them, in the
// user's separators. One header for both directions: every caller that reads
// a number also writes one, and both speak of NumberSeparators. Reading lives
// in number_reading.cpp, writing in number_format.cpp.

#include <string>
#include <string_view>

namespace segcalc {

// The user's locale as far as numbers are concerned. Both are UTF-8 and may be
// longer than one byte (a narrow no-break space groups thousands in some
// locales); an empty thousands separator means the locale groups no digits.
struct NumberSeparators {
  std::string decimal = ".";
  std::string thousands = ",";
};

enum class ConversionStatus { Ok, TypeMismatch, Overflow };

struct NumberReading {
  ConversionStatus status = ConversionStatus::Ok;
  double value = 0.0;

  bool ok() const { return status == ConversionStatus::Ok; }
};

// A Chinese input method in full-width mode types '８００' and '800。5': the
// full-width digits, signs, full stops and comma and the ideographic space
// become their ASCII forms. Both readers read the text this way.
std::string WithAsciiForms(std::string_view text);

// Reads the number that begins the text and ignores whatever follows it; blanks,
// tabs and line feeds are skipped anywhere. Text in which no number begins
// reads 0. A number that stops at a full stop, a comma or a locale separator
// with a digit after it ('2067,63', '1.2.3') is TypeMismatch; a value beyond
// the double range is Overflow.
NumberReading LenientNumber(std::string_view text, const NumberSeparators& separators);

// The whole text must be one number in the user's locale, blanks allowed around
// it. Anything else is TypeMismatch; a value beyond the double range is Overflow.
NumberReading StrictNumber(std::string_view text, const NumberSeparators& separators);

// Rounds to two decimal places, ties to even, decided on the double product by
// 100. A value whose product by 100 overflows is returned unchanged: it is a
// whole number already.
double RoundHalfEven2(double value);

// At most 15 significant digits, trailing zeros trimmed; plain below 1e15,
// exponent form (1.5E+20) from there on. Negative zero is written "0".
std::string FormatNumber(double value, const NumberSeparators& separators);

// The calculator's way of showing a result: rounded to two places, then
// written with the user's separators.
std::string FormatTwoPlaces(double value, const NumberSeparators& separators);

}  // namespace segcalc

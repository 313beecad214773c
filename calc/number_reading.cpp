#include "calc/number_text.h"

#include <charconv>
#include <cstdint>
#include <system_error>

namespace segcalc {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsHexDigit(char c) {
  return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool IsExponentLetter(char c) {
  return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

bool StartsWith(std::string_view text, std::size_t at, std::string_view prefix) {
  return !prefix.empty() && text.substr(at, prefix.size()) == prefix;
}

struct FullWidthForm {
  std::string_view utf8;
  char ascii;
};
constexpr FullWidthForm kFullWidthForms[] = {
    {"\uff10", '0'}, {"\uff11", '1'}, {"\uff12", '2'}, {"\uff13", '3'},
    {"\uff14", '4'}, {"\uff15", '5'}, {"\uff16", '6'}, {"\uff17", '7'},
    {"\uff18", '8'}, {"\uff19", '9'}, {"\uff0e", '.'}, {"\u3002", '.'},
    {"\uff0b", '+'}, {"\uff0d", '-'}, {"\uff0c", ','}, {"\u3000", ' '},
};

// Every form above begins with one of these two bytes; most texts have neither
// and are read in place.
bool MayHoldFullWidthForms(std::string_view text) {
  return text.find_first_of("\xe3\xef") != std::string_view::npos;
}

}  // namespace

std::string WithAsciiForms(std::string_view text) {
  std::string ascii;
  ascii.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const FullWidthForm* form = nullptr;
    if (text[at] == '\xe3' || text[at] == '\xef') {
      for (const FullWidthForm& candidate : kFullWidthForms) {
        if (text.substr(at, candidate.utf8.size()) == candidate.utf8) form = &candidate;
      }
    }
    if (form != nullptr) {
      ascii += form->ascii;
      at += form->utf8.size();
    } else {
      ascii += text[at++];
    }
  }
  return ascii;
}

namespace {

// Runs a reader on the text with its full-width forms made ASCII.
template <typename Reader>
NumberReading ReadWithAsciiForms(std::string_view text, const NumberSeparators& separators) {
  if (!MayHoldFullWidthForms(text)) return Reader(text, separators).Read();
  const std::string ascii = WithAsciiForms(text);
  return Reader(ascii, separators).Read();
}

// Collects a decimal number as digits, decimal point and exponent, then turns it
// into the nearest double with std::from_chars, which never consults the C
// library's locale. Exponents are saturated so that an absurdly long exponent
// cannot wrap around.
class DecimalBuilder {
 public:
  void SetNegative() { negative_ = true; }
  void AddDigit(char digit) { (point_seen_ ? fraction_ : whole_).push_back(digit); }
  void AddPoint() { point_seen_ = true; }
  bool HasDigits() const { return !whole_.empty() || !fraction_.empty(); }
  void SetExponent(std::int64_t exponent) { exponent_ = exponent; }

  NumberReading Finish() const {
    if (!HasDigits()) return {ConversionStatus::Ok, 0.0};
    std::string text = whole_.empty() ? std::string("0") : whole_;
    if (!fraction_.empty()) text += '.' + fraction_;
    text += 'e' + std::to_string(exponent_);

    double magnitude = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    (void)end;
    if (error == std::errc::result_out_of_range) {
      if (DecimalOrder() > 0) return {ConversionStatus::Overflow, 0.0};
      magnitude = 0.0;  // below the smallest subnormal: reads as zero
    }
    return {ConversionStatus::Ok, negative_ ? -magnitude : magnitude};
  }

  static constexpr std::int64_t kExponentLimit = 1'000'000'000;

 private:
  // Position of the leading significant digit relative to the decimal point,
  // exponent included: positive for huge values, negative for tiny ones.
  std::int64_t DecimalOrder() const {
    const auto first = whole_.find_first_not_of('0');
    if (first != std::string::npos) {
      return exponent_ + static_cast<std::int64_t>(whole_.size() - first);
    }
    const auto zeros = fraction_.find_first_not_of('0');
    return exponent_ - static_cast<std::int64_t>(zeros);
  }

  bool negative_ = false;
  bool point_seen_ = false;
  std::string whole_;
  std::string fraction_;
  std::int64_t exponent_ = 0;
};

std::int64_t SaturatedExponent(std::int64_t sofar, char digit) {
  const std::int64_t next = sofar * 10 + (digit - '0');
  return next > DecimalBuilder::kExponentLimit ? DecimalBuilder::kExponentLimit : next;
}

// A '&H' or '&O' integer read with from_chars in hexadecimal, which rounds
// correctly however many digits there are. Octal digits are regrouped into
// hexadecimal ones, three bits each.
NumberReading RadixInteger(std::string_view digits, bool octal) {
  std::string hex;
  if (octal) {
    std::string bits;
    bits.reserve(digits.size() * 3);
    for (char c : digits) {
      const int v = c - '0';
      bits += (v & 4) ? '1' : '0';
      bits += (v & 2) ? '1' : '0';
      bits += (v & 1) ? '1' : '0';
    }
    bits.insert(0, (4 - bits.size() % 4) % 4, '0');
    for (std::size_t i = 0; i < bits.size(); i += 4) {
      const int v = (bits[i] - '0') * 8 + (bits[i + 1] - '0') * 4 + (bits[i + 2] - '0') * 2 +
                    (bits[i + 3] - '0');
      hex += "0123456789abcdef"[v];
    }
  } else {
    hex.assign(digits);
  }
  if (hex.empty()) return {ConversionStatus::Ok, 0.0};
  double value = 0.0;
  const auto [end, error] =
      std::from_chars(hex.data(), hex.data() + hex.size(), value, std::chars_format::hex);
  (void)end;
  if (error == std::errc::result_out_of_range) return {ConversionStatus::Overflow, 0.0};
  return {ConversionStatus::Ok, value};
}

// A reading position in a text, shared by both readers.
class TextCursor {
 protected:
  explicit TextCursor(std::string_view text) : text_(text) {}

  char Peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }

  // Consumes an optional sign; true when it was a minus.
  bool TakeSign() {
    const char sign = Peek();
    if (sign != '+' && sign != '-') return false;
    ++at_;
    return sign == '-';
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

class LenientReader : TextCursor {
 public:
  LenientReader(std::string_view text, const NumberSeparators& separators)
      : TextCursor(text), separators_(separators) {}

  NumberReading Read() {
    const NumberReading reading = ReadNumber();
    if (EndsAmbiguously()) return {ConversionStatus::TypeMismatch, 0.0};
    return reading;
  }

 private:
  NumberReading ReadNumber() {
    SkipBlanks();
    if (Peek() == '&') return ReadRadixInteger();

    DecimalBuilder number;
    if (TakeSign()) number.SetNegative();
    ReadMantissa(number);
    if (number.HasDigits()) ReadExponent(number);
    return number.Finish();
  }

  // '2067,63', '1,200' or '1.2.3' stop at a separator with digits after it:
  // reading only the part before it would be a confident wrong answer, so the
  // text is refused instead.
  bool EndsAmbiguously() {
    std::size_t separator = 0;
    for (const std::string_view candidate :
         {std::string_view("."), std::string_view(","), std::string_view(separators_.decimal),
          std::string_view(separators_.thousands)}) {
      if (StartsWith(text_, at_, candidate)) separator = candidate.size();
    }
    if (separator == 0) return false;
    at_ += separator;
    SkipBlanks();
    return IsDigit(Peek());
  }

  static bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
  void SkipBlanks() {
    while (at_ < text_.size() && IsBlank(text_[at_])) ++at_;
  }

  // The full stop is always a decimal point; a locale whose separator differs
  // gets its own as well, so that numbers the program wrote itself read back.
  std::size_t DecimalPointLength() const {
    if (Peek() == '.') return 1;
    const std::string& local = separators_.decimal;
    if (local != "." && StartsWith(text_, at_, local)) return local.size();
    return 0;
  }

  void ReadMantissa(DecimalBuilder& number) {
    bool point_seen = false;
    for (;;) {
      SkipBlanks();
      if (IsDigit(Peek())) {
        number.AddDigit(Peek());
        ++at_;
        continue;
      }
      const std::size_t point = point_seen ? 0 : DecimalPointLength();
      if (point == 0) return;
      point_seen = true;
      number.AddPoint();
      at_ += point;
    }
  }

  // An exponent letter without digits after it is not part of the number.
  void ReadExponent(DecimalBuilder& number) {
    SkipBlanks();
    if (!IsExponentLetter(Peek())) return;
    const std::size_t letter = at_;
    ++at_;
    SkipBlanks();
    const bool negative = TakeSign();
    std::int64_t exponent = 0;
    bool any = false;
    for (;;) {
      SkipBlanks();
      if (!IsDigit(Peek())) break;
      exponent = SaturatedExponent(exponent, Peek());
      any = true;
      ++at_;
    }
    if (any) {
      number.SetExponent(negative ? -exponent : exponent);
    } else {
      at_ = letter;  // the number ended before the letter
    }
  }

  NumberReading ReadRadixInteger() {
    ++at_;
    SkipBlanks();
    const char letter = Peek();
    const bool octal = letter == 'o' || letter == 'O';
    if (!octal && letter != 'h' && letter != 'H') return {ConversionStatus::Ok, 0.0};
    ++at_;
    std::string digits;
    for (;;) {
      SkipBlanks();
      const char c = Peek();
      if (octal ? !(c >= '0' && c <= '7') : !IsHexDigit(c)) break;
      if (!(digits.empty() && c == '0')) digits += c;
      ++at_;
    }
    return RadixInteger(digits, octal);
  }

  const NumberSeparators& separators_;
};

class StrictReader : TextCursor {
 public:
  StrictReader(std::string_view text, const NumberSeparators& separators)
      : TextCursor(text), separators_(separators) {}

  NumberReading Read() {
    SkipBlanks();
    DecimalBuilder number;
    if (TakeSign()) number.SetNegative();
    ReadWholePart(number);
    if (StartsWith(text_, at_, separators_.decimal)) {
      at_ += separators_.decimal.size();
      number.AddPoint();
      while (IsDigit(Peek())) number.AddDigit(text_[at_++]);
    }
    if (!number.HasDigits()) return Mismatch();
    if (IsExponentLetter(Peek()) && !ReadExponent(number)) return Mismatch();
    SkipBlanks();
    if (at_ != text_.size()) return Mismatch();
    return number.Finish();
  }

 private:
  static NumberReading Mismatch() { return {ConversionStatus::TypeMismatch, 0.0}; }
  void SkipBlanks() {
    while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) ++at_;
  }

  std::size_t DigitRun(std::size_t from) const {
    std::size_t end = from;
    while (end < text_.size() && IsDigit(text_[end])) ++end;
    return end - from;
  }

  // Thousands separators are taken only where they group digits in threes
  // after a first group of one to three, so '1,2' is never read as 12.
  void ReadWholePart(DecimalBuilder& number) {
    const std::size_t first = DigitRun(at_);
    for (std::size_t i = 0; i < first; ++i) number.AddDigit(text_[at_++]);
    const std::string& group = separators_.thousands;
    if (first == 0 || first > 3 || group.empty() || group == separators_.decimal) return;
    while (StartsWith(text_, at_, group) && DigitRun(at_ + group.size()) == 3) {
      at_ += group.size();
      for (int i = 0; i < 3; ++i) number.AddDigit(text_[at_++]);
    }
  }

  bool ReadExponent(DecimalBuilder& number) {
    ++at_;
    const bool negative = TakeSign();
    if (!IsDigit(Peek())) return false;
    std::int64_t exponent = 0;
    while (IsDigit(Peek())) exponent = SaturatedExponent(exponent, text_[at_++]);
    number.SetExponent(negative ? -exponent : exponent);
    return true;
  }

  const NumberSeparators& separators_;
};

}  // namespace

NumberReading LenientNumber(std::string_view text, const NumberSeparators& separators) {
  return ReadWithAsciiForms<LenientReader>(text, separators);
}

NumberReading StrictNumber(std::string_view text, const NumberSeparators& separators) {
  return ReadWithAsciiForms<StrictReader>(text, separators);
}

}  // namespace segcalc

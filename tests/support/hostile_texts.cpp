#include "tests/support/hostile_texts.h"

namespace segcalc::testing {
namespace {

using enum OutcomeKind;

constexpr NumberReading Reads(double value) {
  return {ConversionStatus::Ok, value};
}
constexpr NumberReading kMismatch{ConversionStatus::TypeMismatch, 0.0};
constexpr NumberReading kOverflow{ConversionStatus::Overflow, 0.0};

std::string Repeat(char c, std::size_t count) {
  return std::string(count, c);
}

}  // namespace

const std::vector<HostileText>& HostileTexts() {
  static const std::vector<HostileText> texts = {
      {"empty", "", Reads(0), kMismatch, Incomplete, Incomplete},
      {"blanks_only", "   ", Reads(0), kMismatch, NoSolution, ConversionError},
      {"tab_padded", "\t0.01\t", Reads(0.01), Reads(0.01), NoSolution, Solved},
      {"blanks_inside", "2 4\t9\n1.78", Reads(2491.78), kMismatch, Solved, ConversionError},
      {"long_digits", Repeat('9', 100'000), kOverflow, kOverflow, ConversionError, ConversionError},
      {"long_blank_tail", "2491.78" + Repeat(' ', 100'000 - 7), Reads(2491.78), Reads(2491.78),
       Solved, NoSolution},
      {"long_zero_head", Repeat('0', 100'000 - 4) + "0.01", Reads(0.01), Reads(0.01), NoSolution,
       Solved},
      {"long_letters", Repeat('x', 100'000), Reads(0), kMismatch, NoSolution, ConversionError},
      {"million_blank_tail", "0.01" + Repeat(' ', 1'000'000 - 4), Reads(0.01), Reads(0.01),
       NoSolution, Solved},
      {"million_digits", "1" + Repeat('0', 1'000'000 - 1), kOverflow, kOverflow, ConversionError,
       ConversionError},
      {"invalid_utf8", "\xff\xfe\xfd", Reads(0), kMismatch, NoSolution, ConversionError},
      {"truncated_utf8_tail", "0.01\xc3", Reads(0.01), kMismatch, NoSolution, ConversionError},
      {"nul_alone", std::string(1, '\0'), Reads(0), kMismatch, NoSolution, ConversionError},
      {"nul_inside",
       std::string("2491.78\0"
                   "5",
                   9),
       Reads(2491.78), kMismatch, Solved, ConversionError},
      {"control_characters", "\x01\x02\x1b\x7f", Reads(0), kMismatch, NoSolution, ConversionError},
      {"bell_before_number", "\a0.01", Reads(0), kMismatch, NoSolution, ConversionError},
      {"carriage_return_tail", "0.01\r", Reads(0.01), kMismatch, NoSolution, ConversionError},
      {"full_width_digits", "\uff12\uff14\uff19\uff11\uff0e\uff17\uff18", Reads(2491.78),
       Reads(2491.78), Solved, NoSolution},
      {"inf", "inf", Reads(0), kMismatch, NoSolution, ConversionError},
      {"minus_inf", "-inf", Reads(0), kMismatch, NoSolution, ConversionError},
      {"nan", "nan", Reads(0), kMismatch, NoSolution, ConversionError},
      {"overflow", "1e309", kOverflow, kOverflow, ConversionError, ConversionError},
      {"negative_overflow", "-1e309", kOverflow, kOverflow, ConversionError, ConversionError},
      {"smallest_subnormal", "4.9e-324", Reads(4.9406564584124654e-324),
       Reads(4.9406564584124654e-324), NoSolution, Solved},
      {"hex_prefix_alone", "&H", Reads(0), kMismatch, NoSolution, ConversionError},
      {"hex_eighty_bits", "&HFFFFFFFFFFFFFFFFFFFF", Reads(0x1p80), kMismatch, NoSolution,
       ConversionError},
      {"exponent_without_digits", "1e", Reads(1), kMismatch, NoSolution, ConversionError},
      {"double_minus", "--5", Reads(0), kMismatch, NoSolution, ConversionError},
      {"two_points", "1..2", kMismatch, kMismatch, ConversionError, ConversionError},
      {"comma_list", "1,2,3", kMismatch, kMismatch, ConversionError, ConversionError},
      {"plus_alone", "+", Reads(0), kMismatch, NoSolution, ConversionError},
      {"minus_alone", "-", Reads(0), kMismatch, NoSolution, ConversionError},
      {"emoji", "\U0001F600", Reads(0), kMismatch, NoSolution, ConversionError},
      {"number_then_emoji", "2491.78\U0001F600", Reads(2491.78), kMismatch, Solved,
       ConversionError},
  };
  return texts;
}

}  // namespace segcalc::testing

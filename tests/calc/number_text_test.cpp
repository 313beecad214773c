#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace segcalc {
namespace {

const NumberSeparators kFullStop{".", ","};
const NumberSeparators kComma{",", "."};
const NumberSeparators kNarrowSpace{",", "\u202f"};

struct ReadCase {
  const char* text;
  double value;
};

class LenientFullStop : public testing::TestWithParam<ReadCase> {};

TEST_P(LenientFullStop, ReadsTheLeadingNumber) {
  const NumberReading reading = LenientNumber(GetParam().text, kFullStop);
  ASSERT_EQ(reading.status, ConversionStatus::Ok);
  EXPECT_EQ(reading.value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LenientFullStop,
    testing::Values(ReadCase{"", 0}, ReadCase{" ", 0}, ReadCase{"abc", 0},
                    ReadCase{" 12 . 5", 12.5}, ReadCase{"3,", 3}, ReadCase{"1 000", 1000},
                    ReadCase{"12.5m", 12.5}, ReadCase{"2491.78", 2491.78}, ReadCase{"\t\n-7", -7},
                    ReadCase{"+.5", 0.5}, ReadCase{"1.2.", 1.2}, ReadCase{"1e3", 1000},
                    ReadCase{"1D3", 1000}, ReadCase{"2.5E-1", 0.25}, ReadCase{"1e", 1},
                    ReadCase{"1e+", 1}, ReadCase{"1 e 2", 100}, ReadCase{"e5", 0}, ReadCase{".", 0},
                    ReadCase{"-", 0}, ReadCase{"--5", 0}, ReadCase{"&H1F", 31},
                    ReadCase{"&hff", 255}, ReadCase{"&O17", 15}, ReadCase{"&o 7 7", 63},
                    ReadCase{"&H", 0}, ReadCase{"&HG", 0}, ReadCase{"&O8", 0}, ReadCase{"&X1", 0},
                    ReadCase{"-&H10", 0}, ReadCase{"1e-400", 0}, ReadCase{"4.9e-324", 4.9e-324},
                    ReadCase{"inf", 0}, ReadCase{"nan", 0}, ReadCase{"0x10", 0},
                    ReadCase{"1e0000000000000000000000002", 100}, ReadCase{"１２", 12},
                    ReadCase{"3,m", 3}, ReadCase{"1e,5", 1}));

TEST(LenientNumber, LargeHexadecimalAndOctalIntegersAreExact) {
  EXPECT_EQ(LenientNumber("&HFFFFFFFFFFFFFFFFFFFF", kFullStop).value, std::ldexp(1.0, 80) - 1);
  EXPECT_EQ(LenientNumber("&O1777777777777777777777", kFullStop).value, std::ldexp(1.0, 64) - 1);
  EXPECT_EQ(LenientNumber("&H" + std::string(300, 'F'), kFullStop).status,
            ConversionStatus::Overflow);
}

TEST(LenientNumber, OverflowIsTheOnlyFailure) {
  const std::string two_to_1024 = "&H1" + std::string(256, '0');
  for (const std::string& text :
       {std::string("1e309"), std::string("-1e309"), std::string("1.8e308"), two_to_1024}) {
    EXPECT_EQ(LenientNumber(text, kFullStop).status, ConversionStatus::Overflow) << text;
  }
  EXPECT_EQ(LenientNumber("1.7976931348623157e308", kFullStop).value,
            std::numeric_limits<double>::max());
}

// A comma locale: the program writes '2491,78' and must read it back whole.
TEST(LenientNumber, TakesTheLocaleDecimalSeparatorAsWellAsTheFullStop) {
  const ReadCase cases[] = {{"2491,78", 2491.78},
                            {"2491.78", 2491.78},
                            {",25", 0.25},
                            {"1 234,5", 1234.5},
                            {"1,5,", 1.5}};
  for (const ReadCase& c : cases) {
    const NumberReading reading = LenientNumber(c.text, kComma);
    ASSERT_TRUE(reading.ok()) << c.text;
    EXPECT_EQ(reading.value, c.value) << c.text;
  }
  for (const char* ambiguous : {"1,5,7", "1.5,7", "1,5.7", "1.200,5"}) {
    EXPECT_EQ(LenientNumber(ambiguous, kComma).status, ConversionStatus::TypeMismatch) << ambiguous;
  }
}

// A number that stops at a separator with digits after it is refused, in every
// locale and whatever separator it stops at.
TEST(LenientNumber, SeparatorBeforeDigitsIsAMismatch) {
  const struct {
    const char* text;
    NumberSeparators separators;
  } cases[] = {{"2491,78", kFullStop},  {"1,200", kFullStop},  {"12419.06,5", kFullStop},
               {"1.2.3", kFullStop},    {"3, 5", kFullStop},   {",5", kFullStop},
               {"1e5,3", kFullStop},    {"&H1F.5", kFullStop}, {"1\u202f000", kNarrowSpace},
               {"2491，78", kFullStop}, {"1'000", {".", "'"}}, {"800。5。5", kFullStop}};
  for (const auto& c : cases) {
    EXPECT_EQ(LenientNumber(c.text, c.separators).status, ConversionStatus::TypeMismatch) << c.text;
  }
}

TEST(LenientNumber, MultibyteDecimalSeparator) {
  const NumberSeparators arabic{"\u066b", "\u066c"};
  EXPECT_EQ(LenientNumber("12\u066b5", arabic).value, 12.5);
  EXPECT_EQ(LenientNumber("12\xd9", arabic).value, 12);  // a cut-off separator ends the number
}

TEST(LenientNumber, LongTextsAreReadWhole) {
  EXPECT_EQ(LenientNumber(std::string(100000, '1'), kFullStop).status, ConversionStatus::Overflow);
  EXPECT_EQ(LenientNumber("0." + std::string(100000, '0') + "1e100000", kFullStop).value, 0.1);
  EXPECT_EQ(LenientNumber(std::string(100000, ' ') + "7", kFullStop).value, 7);
}

struct StrictCase {
  const char* text;
  ConversionStatus status;
  double value;
};

void ExpectStrict(const NumberSeparators& separators, const StrictCase& c) {
  const NumberReading reading = StrictNumber(c.text, separators);
  EXPECT_EQ(reading.status, c.status) << '"' << c.text << '"';
  if (c.status == ConversionStatus::Ok) {
    EXPECT_EQ(reading.value, c.value) << c.text;
  }
}

TEST(StrictNumber, FullStopLocale) {
  constexpr auto kOk = ConversionStatus::Ok;
  constexpr auto kBad = ConversionStatus::TypeMismatch;
  constexpr auto kOver = ConversionStatus::Overflow;
  const StrictCase cases[] = {
      {" 12.5 ", kOk, 12.5},
      {"\t-3\t", kOk, -3},
      {"+4", kOk, 4},
      {".5", kOk, 0.5},
      {"5.", kOk, 5},
      {"1,000", kOk, 1000},
      {"12,345,678.5", kOk, 12345678.5},
      {"1e3", kOk, 1000},
      {"1.5E-2", kOk, 0.015},
      {"2d2", kOk, 200},
      {"4.9e-324", kOk, 4.9e-324},
      {"1e-400", kOk, 0},
      {"abc", kBad, 0},
      {"12.5m", kBad, 0},
      {"", kBad, 0},
      {"   ", kBad, 0},
      {"-", kBad, 0},
      {".", kBad, 0},
      {"1e", kBad, 0},
      {"1e+", kBad, 0},
      {"--5", kBad, 0},
      {"- 5", kBad, 0},
      {"1..2", kBad, 0},
      {"1,2,3", kBad, 0},
      {"1,2", kBad, 0},
      {"1234,567", kBad, 0},
      {",123", kBad, 0},
      {"1,000.5,5", kBad, 0},
      {"1 2", kBad, 0},
      {"inf", kBad, 0},
      {"nan", kBad, 0},
      {"infinity", kBad, 0},
      {"0x1p3", kBad, 0},
      {"0x10", kBad, 0},
      {"&H10", kBad, 0},
      {"１２", kOk, 12},
      {"1e309", kOver, 0},
      {"-1e309", kOver, 0},
  };
  for (const StrictCase& c : cases) ExpectStrict(kFullStop, c);
}

TEST(StrictNumber, CommaAndNarrowSpaceLocales) {
  constexpr auto kOk = ConversionStatus::Ok;
  constexpr auto kBad = ConversionStatus::TypeMismatch;
  for (const StrictCase& c : {StrictCase{"2491,78", kOk, 2491.78},
                              {"2.491,78", kOk, 2491.78},
                              {"2491.78", kBad, 0},
                              {"1,5e2", kOk, 150}}) {
    ExpectStrict(kComma, c);
  }
  for (const StrictCase& c : {StrictCase{"1\u202f234,5", kOk, 1234.5}, {"1 234,5", kBad, 0}}) {
    ExpectStrict(kNarrowSpace, c);
  }
  // A locale that groups no digits accepts no separator.
  ExpectStrict({".", ""}, {"1,000", kBad, 0});
}

TEST(RoundHalfEven2, HalvesGoToTheEvenNeighbourOfTheDoubleProduct) {
  const struct {
    double in, out;
  } cases[] = {{0.125, 0.12},       {0.375, 0.38},       {-0.125, -0.12}, {119.054, 119.05},
               {1033.815, 1033.82}, {1033.825, 1033.82}, {2.675, 2.68},   {1.005, 1},
               {0.0, 0.0},          {-0.004, -0.0},      {1e300, 1e300},  {1e307, 1e307},
               {-1.7e308, -1.7e308}};
  for (const auto& c : cases) EXPECT_EQ(RoundHalfEven2(c.in), c.out) << c.in;
}

TEST(FormatNumber, PlainUpTo15SignificantDigits) {
  const struct {
    double value;
    const char* text;
  } cases[] = {{2491.78, "2491.78"},
               {1200, "1200"},
               {0.5, "0.5"},
               {180, "180"},
               {-0.0, "0"},
               {-12.25, "-12.25"},
               {0.01, "0.01"},
               {119.03, "119.03"},
               {0.1 + 0.2, "0.3"},
               {123456789012345.6, "123456789012346"},
               {999999999999999, "999999999999999"},
               {999999999999999.9, "1E+15"},
               {1e15, "1E+15"},
               {1.5e20, "1.5E+20"},
               {-2.5e300, "-2.5E+300"},
               {1.59235668789809e304, "1.59235668789809E+304"},
               {1e-5, "0.00001"},
               {std::numeric_limits<double>::max(), "1.79769313486232E+308"}};
  for (const auto& c : cases) EXPECT_EQ(FormatNumber(c.value, kFullStop), c.text);
  EXPECT_EQ(FormatNumber(2491.78, kComma), "2491,78");
  EXPECT_EQ(FormatNumber(1.5e20, kComma), "1,5E+20");
}

// Whatever two-decimal value the solver rounds, its text shows at most two
// decimals and reads back to the same double in either locale.
TEST(FormatNumber, RoundedValuesRoundTrip) {
  for (int i = -100000; i <= 100000; i += 7) {
    const double rounded = RoundHalfEven2(i * 0.0137);
    for (const NumberSeparators& separators : {kFullStop, kComma}) {
      const std::string text = FormatNumber(rounded, separators);
      const auto point = text.find(separators.decimal);
      if (point != std::string::npos) {
        EXPECT_LE(text.size() - point - 1, 2u) << text;
      }
      EXPECT_EQ(LenientNumber(text, separators).value, rounded) << text;
    }
  }
}

}  // namespace
}  // namespace segcalc

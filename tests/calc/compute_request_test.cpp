#include "calc/compute_request.h"

#include <gtest/gtest.h>

#include "calc/outcome_message.h"

namespace segcalc {
namespace {

const NumberSeparators kFullStop{".", ","};
const NumberSeparators kComma{",", "."};

struct ComputeCase {
  const char* name;
  const char* arc;
  const char* chord;
  const char* height;
  int check;
  OutcomeKind kind;
  // Solved: the angle, radius and missing texts and the missing measurement's box.
  const char* angle = "";
  const char* radius = "";
  const char* missing = "";
  Quantity box = Quantity::Height;
};

std::ostream& operator<<(std::ostream& out, const ComputeCase& c) {
  return out << c.name;
}

class ComputeCases : public testing::TestWithParam<ComputeCase> {};

TEST_P(ComputeCases, GiveTheExpectedOutcome) {
  const ComputeCase& c = GetParam();
  const ComputeOutcome outcome =
      Compute({c.arc, c.chord, c.height}, ModeOfCheckValue(c.check), kFullStop);
  ASSERT_EQ(outcome.kind, c.kind);
  if (c.kind != OutcomeKind::Solved) return;
  ASSERT_TRUE(outcome.texts.has_value());
  EXPECT_EQ(outcome.texts->angle, c.angle);
  EXPECT_EQ(outcome.texts->radius, c.radius);
  EXPECT_EQ(outcome.texts->missing, c.missing);
  EXPECT_EQ(outcome.given->missing, c.box);
}

constexpr auto kSolved = OutcomeKind::Solved;
constexpr auto kArc = Quantity::Arc;
constexpr auto kChord = Quantity::Chord;

INSTANTIATE_TEST_SUITE_P(
    PairChoice, ComputeCases,
    testing::Values(ComputeCase{"startup_ticked", "2491.78", "2067.63", "", 1, kSolved, "119.03",
                                "1200", "591.83"},
                    ComputeCase{"startup_clear", "2491.78", "2067.63", "", 0, kSolved, "119.32",
                                "1197.15", "592.41"},
                    ComputeCase{"check_two_is_major", "2491.78", "2067.63", "", 2, kSolved,
                                "119.32", "1197.15", "592.41"},
                    ComputeCase{"all_three_is_arc_and_chord", "2491.78", "2067.63", "591.83", 1,
                                kSolved, "119.03", "1200", "591.83"},
                    ComputeCase{"third_text_ignored", "2491.78", "2067.63", "junk", 1, kSolved,
                                "119.03", "1200", "591.83"},
                    ComputeCase{"arc_and_height", "1000", "", "340", 1, kSolved, "332.22", "172.55",
                                "83.34", kChord},
                    ComputeCase{"chord_and_height", "", "1000", "1000", 0, kSolved, "253.8",
                                "624.7", "2765.74", kArc},
                    ComputeCase{"blank_arc_reads_zero", " ", "0", "", 1, kSolved, "360", "0",
                                "0"}));

INSTANTIATE_TEST_SUITE_P(
    Warnings, ComputeCases,
    testing::Values(ComputeCase{"all_empty", "", "", "", 1, OutcomeKind::Incomplete},
                    ComputeCase{"only_arc", "5", "", "", 1, OutcomeKind::Incomplete},
                    ComputeCase{"only_chord", "", "5", "", 1, OutcomeKind::Incomplete},
                    ComputeCase{"only_height", "", "", "5", 0, OutcomeKind::Incomplete},
                    ComputeCase{"letters_arc_reads_zero", "abc", "2067.63", "", 1,
                                OutcomeKind::NoSolution},
                    ComputeCase{"short_arc", "100", "200", "", 1, OutcomeKind::NoSolution}));

INSTANTIATE_TEST_SUITE_P(
    Errors, ComputeCases,
    testing::Values(
        ComputeCase{"letters_height_strict", "", "1000", "abc", 1, OutcomeKind::ConversionError},
        ComputeCase{"trailing_unit_strict", "", "10m", "1", 1, OutcomeKind::ConversionError},
        ComputeCase{"overflow_lenient", "1e400", "5", "", 1, OutcomeKind::ConversionError},
        ComputeCase{"overflow_strict", "", "5", "-1e309", 1, OutcomeKind::ConversionError},
        ComputeCase{"huge_arc", "1e308", "5", "", 1, OutcomeKind::ArithmeticError},
        ComputeCase{"huge_chord_strict", "", "1e308", "1", 1, OutcomeKind::ArithmeticError}));

constexpr auto kMismatch = OutcomeKind::ConversionError;

// Texts as Chinese input methods and hurried users type them: full-width forms
// read as what they stand for, a separator between digits is refused rather
// than read as the part before it, and what the readings always took stays.
INSTANTIATE_TEST_SUITE_P(
    TypedNumbers, ComputeCases,
    testing::Values(ComputeCase{"full_width_digits", "２４９１．７８", "２０６７．６３", "", 1,
                                kSolved, "119.03", "1200", "591.83"},
                    ComputeCase{"ideographic_full_stop", "2491。78", "2067。63", "", 1, kSolved,
                                "119.03", "1200", "591.83"},
                    ComputeCase{"ideographic_space_and_plus", "\u3000＋2491.78\u3000", "2067.63",
                                "", 1, kSolved, "119.03", "1200", "591.83"},
                    ComputeCase{"full_width_minus", "－2491.78", "2067.63", "", 1,
                                OutcomeKind::NoSolution},
                    ComputeCase{"strict_full_width", "", "１０００", "１０００", 0, kSolved,
                                "253.8", "624.7", "2765.74", kArc},
                    ComputeCase{"strict_full_width_grouped", "", "１,０００", "1000。0", 0, kSolved,
                                "253.8", "624.7", "2765.74", kArc},
                    ComputeCase{"comma_between_digits", "2491,78", "2067.63", "", 1, kMismatch},
                    ComputeCase{"full_width_comma", "2491.78", "2067，63", "", 1, kMismatch},
                    ComputeCase{"thousands_group", "1,200", "2067.63", "", 1, kMismatch},
                    ComputeCase{"second_full_stop", "1.2.3", "2067.63", "", 1, kMismatch},
                    ComputeCase{"comma_after_decimals", "12419.06,5", "2067.63", "", 1, kMismatch},
                    ComputeCase{"comma_blank_digits", "1000", "", "340, 5", 1, kMismatch},
                    ComputeCase{"strict_comma_decimals", "", "1000，5", "1000", 0, kMismatch},
                    ComputeCase{"trailing_unit_stays", "2491.78m", "2067.63 mm", "", 1, kSolved,
                                "119.03", "1200", "591.83"},
                    ComputeCase{"inner_blanks_stay", "2 491.78", "2067 . 63", "", 1, kSolved,
                                "119.03", "1200", "591.83"},
                    ComputeCase{"separator_at_end_stays", "2491.78,", "2067.63,mm", "", 1, kSolved,
                                "119.03", "1200", "591.83"}));

TEST(Compute, AmbiguousTextNamesItsBoxAsATypeMismatch) {
  const ComputeOutcome outcome = Compute({"1000", "2067,63", ""}, ModeOfCheckValue(1), kFullStop);
  ASSERT_EQ(outcome.kind, OutcomeKind::ConversionError);
  EXPECT_EQ(outcome.failed_box, Quantity::Chord);
  EXPECT_EQ(OutcomeMessage(outcome), "弦长中填入的不是有效的数字,请核对后再试!");
}

TEST(Compute, ConversionErrorNamesTheFirstFailingBox) {
  const ComputeOutcome both = Compute({"", "x", "1e999"}, ModeOfCheckValue(1), kFullStop);
  EXPECT_EQ(both.failed_box, Quantity::Chord);
  EXPECT_EQ(both.conversion, ConversionStatus::TypeMismatch);
  const ComputeOutcome height = Compute({"", "10", "1e999"}, ModeOfCheckValue(1), kFullStop);
  EXPECT_EQ(height.failed_box, Quantity::Height);
  EXPECT_EQ(height.conversion, ConversionStatus::Overflow);
  EXPECT_FALSE(height.texts.has_value());
}

TEST(Compute, ArithmeticErrorCarriesTheLastMatchTexts) {
  const ComputeOutcome outcome = Compute({"1e305", "0", ""}, ModeOfCheckValue(0), kFullStop);
  ASSERT_EQ(outcome.kind, OutcomeKind::ArithmeticError);
  ASSERT_TRUE(outcome.texts.has_value());
  EXPECT_EQ(outcome.texts->angle, "360");
  EXPECT_EQ(outcome.texts->radius, "1.59235668789809E+304");
  EXPECT_EQ(outcome.given->missing, Quantity::Height);
  EXPECT_FALSE(Compute({"1e305", "0", ""}, ModeOfCheckValue(1), kFullStop).texts.has_value());
}

// The window writes '2491,78' in a comma locale; it must compute with 2491.78.
TEST(Compute, CommaLocaleReadsItsOwnStartUpValues) {
  const ComputeOutcome outcome = Compute({"2491,78", "2067,63", ""}, ModeOfCheckValue(1), kComma);
  ASSERT_EQ(outcome.kind, OutcomeKind::Solved);
  EXPECT_EQ(outcome.texts->angle, "119,03");
  EXPECT_EQ(outcome.texts->radius, "1200");
  EXPECT_EQ(outcome.texts->missing, "591,83");

  const ComputeOutcome strict = Compute({"", "1.000", "1.000"}, ModeOfCheckValue(0), kComma);
  ASSERT_EQ(strict.kind, OutcomeKind::Solved);
  EXPECT_EQ(strict.texts->missing, "2765,74");
}

TEST(OutcomeMessage, SaysWhatWentWrongAndWhere) {
  EXPECT_EQ(OutcomeMessage(Compute({"", "", ""}, ModeOfCheckValue(1), kFullStop)),
            kIncompleteWarning);
  EXPECT_EQ(OutcomeMessage(Compute({"100", "200", ""}, ModeOfCheckValue(1), kFullStop)),
            kNoSolutionWarning);
  EXPECT_EQ(OutcomeMessage(Compute({"2491.78", "2067.63", ""}, ModeOfCheckValue(1), kFullStop)),
            "");
  const std::string mismatch =
      OutcomeMessage(Compute({"", "10", "abc"}, ModeOfCheckValue(1), kFullStop));
  EXPECT_NE(mismatch.find("弦高"), std::string::npos);
  EXPECT_NE(mismatch.find("不是有效的数字"), std::string::npos);
  const std::string overflow =
      OutcomeMessage(Compute({"1e999", "10", ""}, ModeOfCheckValue(1), kFullStop));
  EXPECT_NE(overflow.find("弧长"), std::string::npos);
  EXPECT_NE(overflow.find("超出"), std::string::npos);
  EXPECT_NE(
      OutcomeMessage(Compute({"1e308", "1", ""}, ModeOfCheckValue(1), kFullStop)).find("溢出"),
      std::string::npos);
}

}  // namespace
}  // namespace segcalc

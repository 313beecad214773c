#include "geometry/compute_record.h"

#include <gtest/gtest.h>

namespace segcalc {
namespace {

const NumberSeparators kFullStop{".", ","};

TypedInput Typed(const BoxTexts& texts, SolveMode mode = SolveMode::MinorArc) {
  return {texts, mode};
}

// The boxes after a compute and the values they stand for, for each pair:
// the given two as typed (and as read), the found ones from the scan.
TEST(ComputeRecord, PlacesEachValueInItsBox) {
  const struct {
    const char* name;
    BoxTexts typed;
    BoxTexts boxes;
    ExactSegment values;
  } cases[] = {
      {"ArcAndChord",
       {"2491.78", " 2067.63", "junk", "", ""},
       {"2491.78", " 2067.63", "591.83", "1200", "119.03"},
       {2491.78, 2067.63, 591.83, 1200, 119.03}},
      {"ArcAndHeight",
       {"1000", "", "340", "", ""},
       {"1000", "83.34", "340", "172.55", "332.22"},
       {1000, 83.34, 340, 172.55, 332.22}},
      {"ChordAndHeight",
       {"", "10", "0.01", "", ""},
       {"10", "10", "0.01", "834.43", "0.69"},
       {10, 10, 0.01, 834.43, 0.69}},
  };
  for (const auto& c : cases) {
    const ComputeRecord record = RecordCompute(Typed(c.typed), kFullStop, ExactCircle::Skip);
    ASSERT_TRUE(record.CalculatorSolved()) << c.name;
    for (const Quantity quantity : kQuantities) {
      EXPECT_EQ(record.BoxText(quantity), c.boxes[QuantityIndex(quantity)])
          << c.name << " " << QuantityLabel(quantity);
      EXPECT_EQ(ValueOf(*record.CalculatorValues(), quantity), ValueOf(c.values, quantity))
          << c.name << " " << QuantityLabel(quantity);
    }
    // Not asked for, so not solved: a batch without exact columns pays nothing.
    EXPECT_FALSE(record.exact.segment) << c.name;
  }
}

TEST(ComputeRecord, ExactCircleFromTheNumbersTheCalculatorRead) {
  const ComputeRecord record = RecordCompute(Typed({"2491.78m", "2067.63", "", "", ""}), kFullStop);
  ASSERT_TRUE(record.exact.segment);
  EXPECT_EQ(record.exact.segment->arc, 2491.78);
  EXPECT_EQ(FormatTwoPlaces(record.exact.segment->angle, kFullStop), "118.97");
  // Nothing to read, nothing to solve: the reason says so.
  const ComputeRecord incomplete = RecordCompute(Typed({"", "5", "", "", ""}), kFullStop);
  EXPECT_FALSE(incomplete.exact.segment);
  EXPECT_FALSE(incomplete.exact.reason.empty());
  EXPECT_FALSE(incomplete.CalculatorValues());
}

// A radius or an angle switches the calculator off: exactly two of the five,
// each read strictly.
TEST(ComputeRecord, RadiusOrAngleSolvesExactlyWithoutTheCalculator) {
  const struct {
    const char* name;
    BoxTexts typed;
    SolveMode mode;
    const char* error;   // part of input_error, or empty
    double angle_above;  // of the exact circle, when there is one
  } cases[] = {
      {"ChordRadiusMinor", {"", "1000", "", "800", ""}, SolveMode::MinorArc, "", 0},
      {"ChordRadiusMajor", {"", "1000", "", "800", ""}, SolveMode::MajorArc, "", 180},
      {"ArcAngle", {"100", "", "", "", "90"}, SolveMode::MinorArc, "", 89},
      {"Three", {"1", "2", "", "3", ""}, SolveMode::MinorArc, "恰好给出两项", 0},
      {"One", {"", "", "", "3", ""}, SolveMode::MinorArc, "恰好给出两项", 0},
      {"NotANumber",
       {"", "10", "", "abc", ""},
       SolveMode::MinorArc,
       "半径中填入的不是有效的数字",
       0},
      {"Unit", {"", "10 mm", "", "8", ""}, SolveMode::MinorArc, "弦长", 0},
  };
  for (const auto& c : cases) {
    const ComputeRecord record = RecordCompute(Typed(c.typed, c.mode), kFullStop);
    EXPECT_FALSE(record.calculator) << c.name;
    if (*c.error != '\0') {
      EXPECT_NE(record.input_error.find(c.error), std::string::npos)
          << c.name << ": " << record.input_error;
      EXPECT_FALSE(record.exact.segment) << c.name;
      continue;
    }
    EXPECT_TRUE(record.input_error.empty()) << c.name << ": " << record.input_error;
    ASSERT_TRUE(record.exact.segment) << c.name;
    EXPECT_GT(record.exact.segment->angle, c.angle_above) << c.name;
    // The boxes show what was typed, untouched.
    EXPECT_EQ(record.BoxText(Quantity::Radius), c.typed[QuantityIndex(Quantity::Radius)]);
  }
}

}  // namespace
}  // namespace segcalc

#include <gtest/gtest.h>

#include <charconv>
#include <climits>
#include <cstring>
#include <string>

#include "calc/compute_request.h"
#include "calc/number_text.h"
#include "tests/support/hostile_texts.h"

namespace segcalc {
namespace {

using testing::HostileText;
using testing::HostileTexts;
using testing::kChordWithArc;
using testing::kChordWithHeight;
using testing::kFullStopLocale;

bool SameBits(double x, double y) {
  return std::memcmp(&x, &y, sizeof x) == 0;
}

void ExpectReading(const NumberReading& actual, const NumberReading& expected,
                   const std::string& name, const char* reader) {
  EXPECT_EQ(actual.status, expected.status) << name << " read by " << reader;
  if (expected.ok()) {
    EXPECT_TRUE(SameBits(actual.value, expected.value))
        << name << " read by " << reader << " as " << actual.value;
  }
}

// The shortest text that reads back as exactly this double.
std::string PlainText(double value) {
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  return std::string(buffer, end);
}

ComputeOutcome ComputeKeepingTexts(const MeasurementTexts& texts, int check_value) {
  const std::string arc(texts.arc), chord(texts.chord), height(texts.height);
  ComputeOutcome outcome;
  try {
    outcome = Compute(texts, ModeOfCheckValue(check_value), kFullStopLocale);
  } catch (...) {
    ADD_FAILURE() << "Compute threw";
  }
  EXPECT_EQ(texts.arc, arc);
  EXPECT_EQ(texts.chord, chord);
  EXPECT_EQ(texts.height, height);
  return outcome;
}

// A hostile text that reads as a number computes exactly as that number
// written plainly; one that cannot be read names its box and the reason.
void ExpectOutcome(const ComputeOutcome& outcome, OutcomeKind expected, Quantity box,
                   const NumberReading& reading, const MeasurementTexts& plain,
                   const std::string& name) {
  ASSERT_EQ(outcome.kind, expected) << name;
  if (expected == OutcomeKind::ConversionError) {
    EXPECT_EQ(outcome.failed_box, box) << name;
    EXPECT_EQ(outcome.conversion, reading.status) << name;
    EXPECT_FALSE(outcome.texts) << name;
    return;
  }
  if (expected != OutcomeKind::Solved) {
    EXPECT_FALSE(outcome.texts) << name;
    return;
  }
  const ComputeOutcome reference = Compute(plain, SolveMode::MinorArc, kFullStopLocale);
  ASSERT_EQ(reference.kind, OutcomeKind::Solved) << name;
  ASSERT_TRUE(outcome.texts) << name;
  EXPECT_EQ(outcome.texts->angle, reference.texts->angle) << name;
  EXPECT_EQ(outcome.texts->radius, reference.texts->radius) << name;
  EXPECT_EQ(outcome.texts->missing, reference.texts->missing) << name;
}

TEST(HostileText, BothReadersGiveTheDefinedReading) {
  for (const HostileText& hostile : HostileTexts()) {
    ExpectReading(LenientNumber(hostile.text, kFullStopLocale), hostile.lenient, hostile.name,
                  "LenientNumber");
    ExpectReading(StrictNumber(hostile.text, kFullStopLocale), hostile.strict, hostile.name,
                  "StrictNumber");
  }
}

TEST(HostileText, ComputeGivesTheDefinedOutcomeAndKeepsTheTexts) {
  for (const HostileText& hostile : HostileTexts()) {
    const ComputeOutcome as_arc = ComputeKeepingTexts({hostile.text, kChordWithArc, ""}, 1);
    const std::string arc_plain = PlainText(hostile.lenient.value);
    ExpectOutcome(as_arc, hostile.as_arc, Quantity::Arc, hostile.lenient,
                  {arc_plain, kChordWithArc, ""}, hostile.name + " as arc");

    const ComputeOutcome as_height = ComputeKeepingTexts({"", kChordWithHeight, hostile.text}, 1);
    const std::string height_plain = PlainText(hostile.strict.value);
    ExpectOutcome(as_height, hostile.as_height, Quantity::Height, hostile.strict,
                  {"", kChordWithHeight, height_plain}, hostile.name + " as height");
  }
}

// The same text in every box, with check values far from 0 and 1: the pair is
// always arc and chord, so only an empty text leaves the request incomplete.
TEST(HostileText, InEveryBoxWithAnyCheckValue) {
  for (const HostileText& hostile : HostileTexts()) {
    for (const int check_value : {INT_MIN, INT_MAX}) {
      const ComputeOutcome outcome =
          ComputeKeepingTexts({hostile.text, hostile.text, hostile.text}, check_value);
      if (hostile.text.empty()) {
        EXPECT_EQ(outcome.kind, OutcomeKind::Incomplete);
      } else if (!hostile.lenient.ok()) {
        EXPECT_EQ(outcome.kind, OutcomeKind::ConversionError) << hostile.name;
        EXPECT_EQ(outcome.failed_box, Quantity::Arc) << hostile.name;
      } else {
        EXPECT_NE(outcome.kind, OutcomeKind::Incomplete) << hostile.name;
        EXPECT_NE(outcome.kind, OutcomeKind::ConversionError) << hostile.name;
      }
    }
  }
}

}  // namespace
}  // namespace segcalc

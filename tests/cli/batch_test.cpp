#include "cli/batch.h"

#include <gtest/gtest.h>

#include <sstream>

namespace segcalc {
namespace {

const NumberSeparators kFullStop{".", ","};

// The check field takes 1, 0 or nothing; any other value (a quantity in
// the wrong column, say) makes the line invalid rather than clear the box.
TEST(ParseBatchLine, FieldsAndCheckValue) {
  const struct {
    const char* text;
    bool valid;
    SolveMode mode = SolveMode::MinorArc;
    const char* problem = "";
  } cases[] = {{"1\t2\t3", true},
               {"1\t2\t3\t0", true, SolveMode::MajorArc},
               {"1\t2\t3\t1\r", true},
               {"\t\t", true},
               {"1\t2\t3\t", true},
               {"1\t2\t3\t  \r", true},
               {"1\t2\t3\t\xef\xbc\x90", true, SolveMode::MajorArc},  // a full-width 0
               {"1\t2\t3\t0\t12", true, SolveMode::MajorArc},
               {"1\t2\t3\t\t", true},
               {"1\t2\t3\t 1 \t 1000000 ", true},
               {"1\t2\t3\t2", false, {}, "小于半圆"},
               {"1\t2\t3\t+1", false, {}, "小于半圆"},
               {"1\t2\t3\t-1", false, {}, "小于半圆"},
               {"1\t2\t3\t007", false, {}, "小于半圆"},
               {"1\t2\t3\t99999999999999999999", false, {}, "小于半圆"},
               {"1\t2\t3\tx", false, {}, "小于半圆"},
               {"1\t2\t3\t1.0", false, {}, "小于半圆"},
               {"1\t2\t3\t1\t0", false, {}, "数量"},
               {"1\t2\t3\t1\t1000001", false, {}, "数量"},
               {"1\t2\t3\t1\t1000000000000", false, {}, "数量"},
               {"1\t2\t3\t1\t2.5", false, {}, "数量"},
               {"1\t2\t3\t1\t-3", false, {}, "数量"},
               {"", false, {}, "字段"},
               {"1\t2", false, {}, "字段"},
               {"1\t2\t3\t4\t5\t6", false, {}, "字段"}};
  for (const auto& c : cases) {
    const ParsedBatchLine parsed = ParseBatchLine(c.text);
    ASSERT_EQ(parsed.line.has_value(), c.valid) << '"' << c.text << '"' << parsed.error;
    if (c.valid) {
      EXPECT_EQ(parsed.line->mode, c.mode) << c.text;
    } else {
      EXPECT_NE(parsed.error.find(c.problem), std::string::npos) << c.text << ": " << parsed.error;
    }
  }
}

TEST(ParseBatchLine, KeepsTextsExactly) {
  const ParsedBatchLine parsed = ParseBatchLine(" 1 \t\r2\t3 m\r\n");
  ASSERT_TRUE(parsed.line);  // only the one carriage return at the end goes
  EXPECT_EQ(parsed.line->text(Quantity::Arc), " 1 ");
  EXPECT_EQ(parsed.line->text(Quantity::Chord), "\r2");
  EXPECT_EQ(parsed.line->text(Quantity::Height), "3 m\r\n");
}

TEST(RunBatch, OneResultLinePerInputLineInOrder) {
  std::istringstream in(
      "2491.78\t2067.63\t\n"
      "2491.78\t2067.63\t\t0\r\n"
      "only\tone\n"
      "\n"
      "\t\t\n"
      "100\t200\t\n"
      "\t1000\tabc\n"
      "1e305\t0\t\t0\n"
      "1000\t\t340");
  std::ostringstream out, err;
  EXPECT_EQ(RunBatch(in, out, err, kFullStop), 1);
  EXPECT_EQ(out.str(),
            "solved\t2491.78\t2067.63\t591.83\t1200\t119.03\n"
            "solved\t2491.78\t2067.63\t592.41\t1197.15\t119.32\n"
            "invalid-line\tonly\tone\t\t\t\n"
            "\n"
            "incomplete\t\t\t\t\t\n"
            "no-solution\t100\t200\t\t\t\n"
            "conversion-error\t\t1000\tabc\t\t\n"
            "arithmetic-error\t1e305\t0\t1.59235668789809E+304\t1.59235668789809E+304\t360\n"
            "solved\t1000\t83.34\t340\t172.55\t332.22\n");
  EXPECT_EQ(err.str(), "segcalc-cli: 第 3 行无效: 应有 3 到 5 个以制表符分隔的字段,实有 2 个\n");
}

// The fields of an invalid line come back as given, however many there are.
TEST(InvalidLineResult, KeepsTheFirstThreeFields) {
  EXPECT_EQ(InvalidLineResult("arch 7"), "invalid-line\tarch 7\t\t\t\t");
  EXPECT_EQ(InvalidLineResult("1\t2\t3\t4\t5\r"), "invalid-line\t1\t2\t3\t\t");
  EXPECT_EQ(InvalidLineResult(std::string(1000, '\t')), "invalid-line\t\t\t\t\t");
}

TEST(RunBatch, AllValidLinesExitZero) {
  std::istringstream in("1\t\t\n");
  std::ostringstream out, err;
  EXPECT_EQ(RunBatch(in, out, err, kFullStop), 0);
  EXPECT_EQ(out.str(), "incomplete\t1\t\t\t\t\n");
  EXPECT_EQ(err.str(), "");
  std::istringstream empty("");
  EXPECT_EQ(RunBatch(empty, out, err, kFullStop), 0);
}

}  // namespace
}  // namespace segcalc

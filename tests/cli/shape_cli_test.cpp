// segcalc-cli with a named head: its 拱形 lines and pieces, the profile with
// the bender's program, a batch of heads, the Chinese words and the values
// no head can be made of.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>

#include "tests/cli/in_process_cli.h"
#include "tests/support/text_lines.h"

namespace segcalc {
namespace {

using testing::Fields;
using testing::Lines;

// The 'label<TAB>value' lines by label, other lines by their first field.
struct Printed {
  std::map<std::string, std::string> values;
  std::map<std::string, std::vector<std::vector<double>>> rows;

  double Value(const std::string& label) const { return std::stod(values.at(label)); }
};

Printed Parse(const std::string& out) {
  Printed printed;
  for (const std::string& line : Lines(out)) {
    const std::vector<std::string> fields = Fields(line);
    if (fields.size() == 2) {
      printed.values[fields[0]] = fields[1];
      continue;
    }
    std::vector<double> numbers;
    for (std::size_t i = 1; i < fields.size(); ++i) {
      numbers.push_back(fields[i].empty() ? NAN : std::stod(fields[i]));
    }
    printed.rows[fields[0]].push_back(numbers);
  }
  return printed;
}

// Each shape: its name, one piece row per circular piece, and pieces whose
// lengths add up to the arch's (an ellipse's bending arcs to about it).
TEST(ShapeCli, EachShapeListsItsPiecesAndTheirLengthsAddUp) {
  const struct {
    std::vector<std::string_view> args;
    const char* name;
    std::size_t pieces;
  } cases[] = {
      {{"--shape", "semicircle", "--span", "900"}, "半圆", 1},
      {{"--shape", "pointed", "--span", "1000", "--radius", "1000"}, "尖拱", 2},
      {{"--shape", "尖拱", "--chord", "800", "--height", "1400"}, "尖拱", 2},
      {{"--shape", "three-centred", "--span", "2400", "--rise", "700"}, "三心拱", 3},
      {{"--shape", "ellipse", "--span", "2000", "--rise", "600", "--bend-arcs", "5"}, "椭圆", 5},
      {{"--shape", "semicircle", "--span", "600", "--quarter", "左"}, "四分之一圆(左)", 1},
      {{"--shape", "segment", "--span", "1200", "--rise", "300"}, "弓形", 1},
  };
  for (const auto& c : cases) {
    const CliRun run = Invoke(c.args);
    ASSERT_EQ(run.status, 0) << run.err;
    const Printed p = Parse(run.out);
    EXPECT_EQ(p.values.at("拱形"), c.name);
    const auto& pieces = p.rows.at("圆弧段");
    ASSERT_EQ(pieces.size(), c.pieces) << c.name;
    double total = 0;
    for (const auto& row : pieces) total += row[2];
    const double slack = p.values.count("焦点") ? 1e-3 * total : 0.01 * c.pieces;
    EXPECT_NEAR(total, p.Value("拱长"), slack) << c.name;
    EXPECT_EQ(p.values.count("半径"), 0u) << "no calculator lines for a named head";
  }
}

// A head of several radii bent from one bar: the program's stretches follow
// each other along the neutral layer from half the trim and the left tail
// on, and the cut length is the neutral layer's length, the tails and the trim.
TEST(ShapeCli, TheBendersProgramRunsAlongTheCutBar) {
  const CliRun run = Invoke({"--shape", "ellipse", "--span", "2000", "--rise", "600", "--profile",
                             "60", "--face", "外侧", "--tails", "150,100", "--trim", "20"});
  ASSERT_EQ(run.status, 0) << run.err;
  const Printed p = Parse(run.out);
  const auto& program = p.rows.at("弯弧段");
  ASSERT_EQ(program.size(), p.rows.at("圆弧段").size());
  EXPECT_DOUBLE_EQ(program.front()[2], 10 + 150);
  for (std::size_t i = 1; i < program.size(); ++i) EXPECT_EQ(program[i][2], program[i - 1][3]);
  EXPECT_NEAR(program.back()[3] - program.front()[2], p.Value("中性层弧长"), 0.011);
  EXPECT_NEAR(p.Value("下料长度"), p.Value("中性层弧长") + 150 + 100 + 20, 0.011);
  // The faces are the ellipse's parallels: each as long as the given face
  // less the depth times half a turn.
  EXPECT_NEAR(p.Value("外侧拱长") - p.Value("内侧拱长"), 60 * std::numbers::pi, 0.011);
  EXPECT_NEAR(p.Value("外侧跨度") - p.Value("内侧跨度"), 120, 0.011);
}

// A batch of heads: the chord and height fields are the span and rise; a
// line no head fits says why and keeps its columns.
TEST(ShapeCli, ABatchOfHeadsKeepsItsColumns) {
  const std::string list = "弧长\t弦长\t弦高\n\t1000\t1200\n\t1000\t300\n5\t1000\t1200\n";
  const CliRun run = Invoke({"--batch", "--shape", "pointed", "--legs", "1500"}, list);
  EXPECT_EQ(run.status, 1) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 4u);
  const std::vector<std::string> header = Fields(lines[0]);
  for (const std::string& line : lines) EXPECT_EQ(Fields(line).size(), header.size()) << line;
  const std::vector<std::string> first = Fields(lines[1]);
  EXPECT_EQ(first[0], "solved");
  EXPECT_EQ(first[std::find(header.begin(), header.end(), "总高") - header.begin()], "2700");
  EXPECT_EQ(Fields(lines[2])[0], "no-solution");
  EXPECT_EQ(Fields(lines[3])[0], "invalid-line");
  EXPECT_NE(run.err.find("第 3 行: 尖拱的拱高应大于跨度之半"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("第 4 行"), std::string::npos) << run.err;
}

// Values no head can be made of, and options that do not go together, are
// refused with a reason: the geometry's (1) or the command line's (2).
TEST(ShapeCli, RefusesWithAReason) {
  const struct {
    std::vector<std::string_view> args;
    int status;
    const char* reason;
  } cases[] = {
      {{"--shape", "ellipse", "--span", "1000", "--rise", "0"}, 1, "拱高"},
      {{"--shape", "ellipse", "--span", "1000", "--rise", "1e300"}, 1, ""},
      {{"--shape", "pointed", "--span", "1000", "--rise", "NaN"}, 2, "--rise"},
      {{"--shape", "semicircle", "--span", "-1"}, 1, "跨度"},
      {{"--shape", "pointed", "--span", "1000", "--rise", "300"}, 1, "尖拱"},
      {{"--shape", "ellipse", "--span", "1000", "--rise", "300", "--bend-arcs", "1000000000"},
       2,
       "--bend-arcs"},
      {{"--shape", "ogee", "--span", "1000"}, 2, "--shape"},
      {{"--shape", "pointed", "--arc", "1000", "--span", "1000", "--rise", "900"}, 2, "--arc"},
      {{"--shape", "pointed", "--span", "1000", "--chord", "1000", "--rise", "900"}, 2, "--chord"},
      {{"--legs", "1000", "--chord", "100", "--height", "10"}, 2, "--shape"},
      {{"--shape", "semicircle", "--span", "1000", "--quarter", "up"}, 2, "--quarter"},
      {{"--shape", "three-centred", "--span", "2000", "--rise", "500", "--small-radius", "60",
        "--profile", "80", "--face", "outer"},
       1,
       "无法成形"},
  };
  for (const auto& c : cases) {
    const CliRun run = Invoke(c.args);
    EXPECT_EQ(run.status, c.status) << c.args[1] << ": " << run.err;
    EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("segcalc-cli: "), std::string::npos) << run.err;
  }
}

// The page's and a shop's words for the face and the stations.
TEST(ShapeCli, TakesTheChineseWords) {
  const CliRun chinese = Invoke({"--chord", "1200", "--height", "300", "--profile", "70", "--face",
                                 "外侧", "--stations", "弦长等分:4"});
  const CliRun english = Invoke({"--chord", "1200", "--height", "300", "--profile", "70", "--face",
                                 "outer", "--stations", "divide:4"});
  ASSERT_EQ(chinese.status, 0) << chinese.err;
  EXPECT_EQ(chinese.out, english.out);
  const CliRun middle =
      Invoke({"--chord", "1200", "--height", "300", "--stations", "从中点按间距:200"});
  ASSERT_EQ(middle.status, 0) << middle.err;
  EXPECT_EQ(Parse(middle.out).rows.at("放样").size(), 7u);
}

}  // namespace
}  // namespace segcalc

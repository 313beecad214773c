// The summary a shop reads first, the calculator's picture and the picture
// of a fit of measured points.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>
#include <regex>

#include "geometry/circle_fit.h"
#include "shopfloor/calculator_picture.h"
#include "shopfloor/fit_picture.h"
#include "shopfloor/part_sections.h"
#include "shopfloor/part_summary.h"
#include "tests/support/head_of.h"

namespace segcalc {
namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

Pairs SummaryOf(const ArcPart& part) {
  Pairs pairs;
  for (const SectionValue& value : PartSummary(part, {}))
    pairs.emplace_back(value.label, value.text);
  return pairs;
}

struct SummaryCase {
  const char* name;
  ArcPart part;
  Pairs expected;
};

std::ostream& operator<<(std::ostream& out, const SummaryCase& c) {
  return out << c.name;
}

ArcPart Frame(std::optional<ProfileRequest> profile, std::optional<double> pieces) {
  PartRequest request;
  request.profile = profile;
  if (pieces) request.divisions = DivisionRequest{DivisionRule::Count, *pieces};
  return MakePart(SolveExact(Quantity::Chord, 1200, Quantity::Height, 300).segments[0], request);
}

using testing_heads::HeadOf;

ArcPart Named(const HeadRequest& head, std::optional<ProfileRequest> profile,
              std::optional<double> pieces) {
  PartRequest request;
  request.profile = profile;
  if (pieces) request.divisions = DivisionRequest{DivisionRule::Count, *pieces};
  return MakePart(*MakeHead(head).value, request);
}

const ProfileRequest kOuter70{70, ProfileFace::Outer, 0.5, 150, 150, 20};

class Summary : public testing::TestWithParam<SummaryCase> {};

// Pinned, and each value the same text under the same label as in the
// sections the page and the report list below it.
TEST_P(Summary, HoldsTheRadiiTheCutLengthAndThePieces) {
  const SummaryCase& c = GetParam();
  const Pairs summary = SummaryOf(c.part);
  EXPECT_EQ(summary, c.expected);
  std::map<std::string, std::string> listed;
  for (const PartSection& section : PartSections(&c.part, LayoutOf(c.part), {})) {
    for (const SectionBlock& block : section.blocks) {
      for (const SectionValue& value : block.values) listed[value.label] = value.text;
    }
  }
  for (const auto& [label, text] : summary) {
    if (listed.contains(label)) {
      EXPECT_EQ(listed[label], text) << label;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Parts, Summary,
    testing::Values(
        SummaryCase{"segment", Frame(std::nullopt, std::nullopt), {{"半径", "750"}}},
        // The README's window frame: its 下料长度 is the README's too.
        SummaryCase{"frame_in_four",
                    Frame(kOuter70, 4),
                    {{"内侧半径", "680"},
                     {"中心线半径", "715"},
                     {"外侧半径", "750"},
                     {"下料长度", "1646.03"},
                     {"段数", "4"},
                     {"外侧每段弧长", "347.74"},
                     {"外侧每段弦长", "344.63"}}},
        SummaryCase{"pointed_in_two",
                    Named(HeadOf(ArchShape::Pointed, 900, std::nullopt, 900), std::nullopt, 2),
                    {{"半径", "900 / 900"}, {"段数", "2"}, {"每段弧长", "942.48"}}},
        SummaryCase{"ellipse_bent_in_three",
                    Named(HeadOf(ArchShape::Ellipse, 1600, 450, std::nullopt, 3),
                          ProfileRequest{60, ProfileFace::Outer, 0.5, 150, 150, 20}, std::nullopt),
                    {{"内侧弯弧半径", "261.89 / 1218.11 / 261.89"},
                     {"中心线弯弧半径", "291.89 / 1248.11 / 291.89"},
                     {"外侧弯弧半径", "321.89 / 1278.11 / 321.89"},
                     {"下料长度", "2238.35"}}}));

TypedInput Typed(const char* arc, const char* chord, const char* height) {
  TypedInput typed;
  typed.text(Quantity::Arc) = arc;
  typed.text(Quantity::Chord) = chord;
  typed.text(Quantity::Height) = height;
  return typed;
}

// The radius a picture's first arc or circle on the layer is drawn with,
// over its scale.
double DrawnRadius(const std::string& svg, const char* layer) {
  std::smatch scale, arc;
  const std::regex scale_attribute(R"re(data-scale="([0-9.]+)")re");
  const std::regex shape(
      std::string(R"re((?:d="M [-0-9.]+ [-0-9.]+ A | r=")([0-9.]+)[^>]*data-layer=")re") + layer +
      "\"");
  if (!std::regex_search(svg, scale, scale_attribute) || !std::regex_search(svg, arc, shape)) {
    return NAN;
  }
  return std::stod(arc[1]) / std::stod(scale[1]);
}

// The start-up example: the calculator's digits, and the exact ones beside
// those that differ; the exact circle drawn.
TEST(CalculatorPicture, WritesTheCalculatorsValuesOnTheExactCircle) {
  const std::string svg =
      CalculatorPictureSvg(RecordCompute(Typed("2491.78", "2067.63", ""), {}), {}, 200, 150);
  for (const char* words : {">弧长 2491.78<", ">弦长 2067.63<", ">弦高 591.83(精确 590.72)<",
                            ">半径 1200,夹角 119.03°(精确 118.97°)"}) {
    EXPECT_NE(svg.find(words), std::string::npos) << words;
  }
  EXPECT_NEAR(DrawnRadius(svg, "ARC"), 1200, 0.01);
  // A phone's box has room for neither side's whole rise: the exact value
  // goes under it.
  const std::string narrow =
      CalculatorPictureSvg(RecordCompute(Typed("2491.78", "2067.63", ""), {}), {}, 86, 64);
  EXPECT_NE(narrow.find(">弦高 591.83<"), std::string::npos) << narrow;
  EXPECT_NE(narrow.find(">(精确 590.72)<"), std::string::npos) << narrow;
  // The scan matched nothing, but the circle exists: its own values.
  const std::string exact =
      CalculatorPictureSvg(RecordCompute(Typed("", "8000", "1000"), {}), {}, 200, 150);
  EXPECT_NE(exact.find(">半径 8500,夹角 56.14°(真 π 下的圆弧)<"), std::string::npos) << exact;
  EXPECT_EQ(exact.find("精确"), std::string::npos);
  EXPECT_NEAR(DrawnRadius(exact, "ARC"), 8500, 0.01);
  // No circle has the numbers, or there are none: nothing to draw.
  for (const TypedInput& typed : {Typed("1500", "1500", ""), Typed("5", "", "")}) {
    EXPECT_EQ(CalculatorPictureSvg(RecordCompute(typed, {}), {}, 200, 150), "");
  }
}

std::vector<PlanePoint> Measured(double radius, double degrees, int count, double noise) {
  std::mt19937 random(7);
  std::normal_distribution<double> error(0, noise);
  std::vector<PlanePoint> points;
  for (int i = 0; i < count; ++i) {
    const double t = (90 + degrees * (i / (count - 1.0) - 0.5)) * 3.141592653589793 / 180;
    points.push_back({radius * std::cos(t) + (noise > 0 ? error(random) : 0),
                      radius * std::sin(t) - radius + 300 + (noise > 0 ? error(random) : 0)});
  }
  return points;
}

int Count(const std::string& svg, const std::string& what) {
  int count = 0;
  for (std::size_t at = svg.find(what); at != std::string::npos; at = svg.find(what, at + 1)) {
    ++count;
  }
  return count;
}

// The fitted circle at the picture's scale; the target and the points
// moved off it by the magnification the picture states, a round one.
TEST(FitPicture, DrawsThePointsAgainstBothCircles) {
  struct Case {
    std::vector<PlanePoint> points;
    std::optional<double> target;
    int marks;
  };
  for (const Case& c :
       {Case{Measured(1200, 40, 9, 0.3), 1195, 9}, Case{Measured(1200, 40, 9, 0), std::nullopt, 9},
        Case{Measured(80, 350, 30, 0.05), 80, 30},
        Case{Measured(3000, 40, 5000, 0.1), 3000.5, 1667}}) {
    const CircleFit fit = *FitCircle(c.points, c.target).value;
    const std::string svg = FitPictureSvg(c.points, fit, c.target, {}, 94.4, 70.8);
    std::smatch magnified;
    ASSERT_TRUE(std::regex_search(svg, magnified, std::regex(R"re(data-magnified="([0-9]+)")re")));
    const double k = std::stod(magnified[1]);
    const double power = std::pow(10.0, std::floor(std::log10(k)));
    EXPECT_TRUE(k / power == 1 || k / power == 2 || k / power == 5) << k;
    EXPECT_EQ(Count(svg, "data-layer=\"POINTS\""), c.marks);
    EXPECT_EQ(Count(svg, "data-layer=\"TARGET\""), c.target ? 1 : 0);
    if (!c.target && fit.max_residual < 1e-9) {
      EXPECT_EQ(k, 1);
    }
    EXPECT_NEAR(DrawnRadius(svg, "FIT"), fit.radius, 1e-3 * fit.radius);
    if (c.target) {
      EXPECT_NEAR(DrawnRadius(svg, "TARGET"), fit.radius + k * (*c.target - fit.radius),
                  1e-3 * fit.radius);
    }
  }
}

}  // namespace
}  // namespace segcalc

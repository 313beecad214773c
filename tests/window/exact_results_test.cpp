// The window's compute as the menu's entries see it: what was typed, the
// exact circle where the calculator finds none, and what each box carries
// beside its digits.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

#include "recording_services.h"
#include "scratch_folder.h"
#include "window/box_hints.h"
#include "window/commands.h"

namespace segcalc {
namespace {

const NumberSeparators kFullStop{".", ","};

MainForm Computed(const BoxTexts& texts, int check_value, RecordingServices& services) {
  MainForm form(kFullStop);
  form.texts() = texts;
  form.check_value = check_value;
  Command1_Click(form, services);
  return form;
}

// The report of the form's last compute, through 放样图.
std::string ReportOf(const MainForm& form, const ScratchFolder& scratch) {
  RecordingServices services;
  services.report_folder = scratch.path();
  LayoutDrawing_Click(form, services);
  EXPECT_EQ(services.calls.size(), 1u);
  EXPECT_EQ(services.calls.at(0).kind, RecordingServices::Kind::Browser);
  return ReadWholeFile(services.calls.at(0).text);
}

// Enter on the start-up boxes writes 591.83 into 弦高; the report's 给定
// table still says what was typed there: nothing.
TEST(WindowReport, ListsWhatWasTypedNotWhatTheComputeWrote) {
  ScratchFolder scratch;
  RecordingServices services;
  const MainForm form = Computed({"2491.78", "2067.63", "", "", ""}, 1, services);
  ASSERT_EQ(form.text(Quantity::Height), "591.83");
  const std::string html = ReportOf(form, scratch);
  const std::size_t given = html.find("<h2>给定</h2>");
  const std::size_t results = html.find("<h2>结果</h2>");
  ASSERT_NE(given, std::string::npos);
  const std::string given_table = html.substr(given, results - given);
  EXPECT_NE(given_table.find("<td class=\"label\">弦高</td><td></td>"), std::string::npos)
      << given_table;
  EXPECT_NE(given_table.find("<td class=\"label\">弧长</td><td>2491.78</td>"), std::string::npos);
  // The calculator's results are still in the report, where they belong.
  EXPECT_NE(html.find("591.83", results), std::string::npos);
}

// Each report keeps its own file: an earlier one may still be open in a tab.
TEST(WindowReport, EachGetsAFileOfItsOwn) {
  ScratchFolder scratch;
  RecordingServices computing;
  MainForm form = Computed({"2491.78", "2067.63", "", "", ""}, 1, computing);
  const std::string first = ReportOf(form, scratch);
  form.texts() = {"", "300", "80", "", ""};
  Command1_Click(form, computing);
  const std::string second = ReportOf(form, scratch);
  EXPECT_NE(first, second);
  EXPECT_EQ(ReadWholeFile(scratch.path() / "segcalc-report-1.html"), first);
  EXPECT_EQ(ReadWholeFile(scratch.path() / "segcalc-report-2.html"), second);
}

// A curtain wall's sizes: the scan's rounded height jumps over the match, so
// the calculator warns as it always has; the exact circle still exists, and
// every entry of the menu is made from it.
struct CurtainWall {
  const char* name;
  BoxTexts texts;
  const char* exact_radius;
};

class CalculatorFindsNone : public testing::TestWithParam<CurtainWall> {};

TEST_P(CalculatorFindsNone, TheMenuWorksFromTheExactCircle) {
  const CurtainWall& c = GetParam();
  ScratchFolder scratch;
  RecordingServices services;
  const MainForm form = Computed(c.texts, 1, services);
  ASSERT_EQ(services.calls.size(), 1u);
  EXPECT_EQ(services.calls[0].text, "按当前条件无法求解!请核对后再试!");
  EXPECT_EQ(form.texts(), c.texts);
  ASSERT_TRUE(form.HasResult());

  RecordingServices exact;
  ExactResults_Click(form, exact);
  ASSERT_EQ(exact.calls.size(), 1u);
  EXPECT_EQ(exact.calls[0].kind, RecordingServices::Kind::Information);
  EXPECT_TRUE(exact.calls[0].text.starts_with("精确结果\n")) << exact.calls[0].text;
  EXPECT_NE(exact.calls[0].text.find(std::string("半径: 精确 ") + c.exact_radius),
            std::string::npos)
      << exact.calls[0].text;
  EXPECT_NE(exact.calls[0].text.find("无法求解"), std::string::npos);

  RecordingServices copy;
  CopyResults_Click(form, copy);
  ASSERT_EQ(copy.calls.size(), 1u);
  EXPECT_TRUE(copy.calls[0].text.starts_with("精确弧长\t精确弦长\t精确弦高\t精确半径\t精确夹角\n"))
      << copy.calls[0].text;
  EXPECT_NE(copy.calls[0].text.find(c.exact_radius), std::string::npos);

  const std::string html = ReportOf(form, scratch);
  EXPECT_NE(html.find("计算器: 按当前条件无法求解"), std::string::npos);
  EXPECT_NE(html.find("class=\"overview\""), std::string::npos);

  RecordingServices save;
  save.save_as = scratch.path() / "wall.dxf";
  ExportDxf_Click(form, save);
  ASSERT_EQ(save.calls.size(), 1u);
  EXPECT_EQ(save.calls[0].text, std::string("圆弧 R") + c.exact_radius + " " +
                                    FormatTwoPlaces(form.last_compute->exact.segment->angle, {}) +
                                    "度.dxf");
  EXPECT_TRUE(ReadWholeFile(*save.save_as).ends_with("0\nEOF\n"));
}

// chord 8000, height 1000: R = (4000^2 + 1000^2) / 2000. Arc 18000 with
// height 1500: sin^2(t / 2) / t = 1500 / 18000 solved for the half-angle t by
// bisection in Python, R = 18000 / 2t = 26746.19.
INSTANTIATE_TEST_SUITE_P(
    Sizes, CalculatorFindsNone,
    testing::Values(CurtainWall{"ChordAndHeight", {"", "8000", "1000", "", ""}, "8500"},
                    CurtainWall{"ArcAndHeight", {"18000", "", "1500", "", ""}, "26746.19"}),
    [](const testing::TestParamInfo<CurtainWall>& info) { return info.param.name; });

TEST(ExactResults, SetsTheCalculatorBesideTheExactValues) {
  RecordingServices services;
  const MainForm form = Computed({"2491.78", "2067.63", "", "", ""}, 1, services);
  RecordingServices shown;
  ExactResults_Click(form, shown);
  ASSERT_EQ(shown.calls.size(), 1u);
  const std::string& text = shown.calls[0].text;
  EXPECT_NE(text.find("弦高: 精确 590.72,计算器 591.83,差 -1.11"), std::string::npos) << text;
  EXPECT_NE(text.find("夹角: 精确 118.97,计算器 119.03,差 -0.06"), std::string::npos) << text;
  EXPECT_EQ(text.find("无法求解"), std::string::npos);
}

// The radius, the angle and the box the compute filled carry the exact value;
// the warning colour only where the calculator is far off.
TEST(BoxHints, ExactValueInEveryComputedBoxWarningWhereFarOff) {
  RecordingServices services;
  const MainForm flat = Computed({"15000", "14800", "", "", ""}, 1, services);
  ASSERT_EQ(flat.text(Quantity::Height), "1130.85");
  const BoxHint height = HintOf(flat, Quantity::Height);
  EXPECT_TRUE(height.warning);
  EXPECT_TRUE(height.tooltip.starts_with("精确值(真 π): 1055.7")) << height.tooltip;
  EXPECT_FALSE(HintOf(flat, Quantity::Arc).warning);
  EXPECT_TRUE(HintOf(flat, Quantity::Arc).tooltip.empty());

  const MainForm start = Computed({"2491.78", "2067.63", "", "", ""}, 1, services);
  for (const Quantity box : {Quantity::Height, Quantity::Radius, Quantity::Angle}) {
    EXPECT_FALSE(HintOf(start, box).tooltip.empty()) << QuantityLabel(box);
    EXPECT_FALSE(HintOf(start, box).warning) << QuantityLabel(box);
  }
  EXPECT_TRUE(HintOf(start, Quantity::Chord).tooltip.empty());
  // Nothing computed, nothing hinted.
  EXPECT_TRUE(HintOf(MainForm(kFullStop), Quantity::Radius).tooltip.empty());
}

// Two numbers no circle has: the rule still writes its digits, which stay
// as users know them, and every box it wrote says there is no such arc.
struct NoArcCase {
  const char* name;
  BoxTexts typed;
  int check;
  BoxTexts after;  // the rule's digits, pinned
  const char* reason;
};

std::ostream& operator<<(std::ostream& out, const NoArcCase& c) {
  return out << c.name;
}

class NoSuchArc : public testing::TestWithParam<NoArcCase> {};

TEST_P(NoSuchArc, TheRuleKeepsItsDigitsAndEveryBoxItWroteWarns) {
  const NoArcCase& c = GetParam();
  RecordingServices services;
  const MainForm form = Computed(c.typed, c.check, services);
  EXPECT_TRUE(services.calls.empty());
  EXPECT_EQ(form.texts(), c.after);
  ASSERT_FALSE(form.last_compute->exact.segment);
  for (const Quantity box : kQuantities) {
    const BoxHint hint = HintOf(form, box);
    if (!c.typed[QuantityIndex(box)].empty()) {
      EXPECT_FALSE(hint.warning) << QuantityLabel(box);
      EXPECT_TRUE(hint.tooltip.empty()) << QuantityLabel(box) << ": " << hint.tooltip;
      continue;
    }
    EXPECT_TRUE(hint.warning) << QuantityLabel(box);
    EXPECT_TRUE(hint.tooltip.starts_with(std::string("没有这样的圆弧: ") + c.reason + "\n"))
        << QuantityLabel(box) << ": " << hint.tooltip;
  }
}

// The digits as segcalc-cli prints them for the same two numbers.
INSTANTIATE_TEST_SUITE_P(Cases, NoSuchArc,
                         testing::Values(NoArcCase{"ArcEqualToChordTicked",
                                                   {"1500", "1500", "", "", ""},
                                                   1,
                                                   {"1500", "1500", "13266.9", "118603.12", "0.73"},
                                                   "弧长应大于弦长"},
                                         NoArcCase{"ArcEqualToChordClear",
                                                   {"1500", "1500", "", "", ""},
                                                   0,
                                                   {"1500", "1500", "66.44", "3559.37", "24.16"},
                                                   "弧长应大于弦长"},
                                         NoArcCase{"ChordLongerThanArc",
                                                   {"1000", "1000.01", "", "", ""},
                                                   1,
                                                   {"1000", "1000.01", "6019.21", "64555", "0.89"},
                                                   "弧长应大于弦长"},
                                         NoArcCase{"ArcWithZeroHeight",
                                                   {"1000", "", "0", "", ""},
                                                   1,
                                                   {"1000", "1000", "0", "28662420.38", "0"},
                                                   "弦高应为大于 0 的数"},
                                         NoArcCase{"ChordWithZeroHeight",
                                                   {"", "1000", "0", "", ""},
                                                   1,
                                                   {"1000", "1000", "0", "28662420.38", "0"},
                                                   "弦高应为大于 0 的数"},
                                         NoArcCase{"ZeroChordAndHeight",
                                                   {"", "0", "0", "", ""},
                                                   1,
                                                   {"0", "0", "0", "0", "360"},
                                                   "弦长应为大于 0 的数"},
                                         NoArcCase{"HeightAboveWhatTheArcAllows",
                                                   {"1000", "", "362.4", "", ""},
                                                   0,
                                                   {"1000", "331.26", "362.4", "219.05", "261.7"},
                                                   "弦高不能超过弧长的 0.3623 倍"}),
                         [](const testing::TestParamInfo<NoArcCase>& info) {
                           return info.param.name;
                         });

}  // namespace
}  // namespace segcalc

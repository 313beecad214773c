#include "window/commands.h"

#include <gtest/gtest.h>

#include <ostream>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/display_check.h"
#include "app/terminal_answer.h"
#include "recording_services.h"
#include "scratch_folder.h"
#include "version.h"
#include "window/main_form.h"

namespace segcalc {
namespace {

const NumberSeparators kFullStop{".", ","};
const NumberSeparators kComma{",", "."};

TEST(FormLoad, SetsTheStartUpState) {
  MainForm form(kFullStop);
  form.text(Quantity::Radius) = "left over";
  Form_Load(form);
  EXPECT_EQ(form.texts(), (BoxTexts{"2491.78", "2067.63", "", "", ""}));
  EXPECT_EQ(form.check_value, 1);
  EXPECT_EQ(form.caption, "求半径" + std::string(31, ' ') + "作者:segcalc,QQ:00000000");
}

TEST(FormLoad, WritesTheLocaleSeparator) {
  MainForm form(kComma);
  Form_Load(form);
  EXPECT_EQ(form.text(Quantity::Arc), "2491,78");
  RecordingServices services;
  Command1_Click(form, services);
  EXPECT_TRUE(services.calls.empty());
  EXPECT_EQ(form.texts(), (BoxTexts{"2491,78", "2067,63", "591,83", "1200", "119,03"}));
}

struct ComputeCase {
  const char* name;
  BoxTexts before;
  int check;
  BoxTexts after;
};

std::ostream& operator<<(std::ostream& out, const ComputeCase& c) {
  return out << c.name;
}

class ComputeWritesResults : public testing::TestWithParam<ComputeCase> {};

TEST_P(ComputeWritesResults, AndAgainTheSame) {
  const ComputeCase& c = GetParam();
  MainForm form(kFullStop);
  form.texts() = c.before;
  form.check_value = c.check;
  RecordingServices services;
  Command1_Click(form, services);
  EXPECT_TRUE(services.calls.empty());
  EXPECT_EQ(form.texts(), c.after);
  // Once the arc box is filled the pair is arc and chord, so only a compute
  // that had those two gives the same texts again.
  if (!c.before[0].empty() && !c.before[1].empty()) {
    Command1_Click(form, services);
    EXPECT_EQ(form.texts(), c.after);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ComputeWritesResults,
    testing::Values(ComputeCase{"StartUpTicked",
                                {"2491.78", "2067.63", "", "", ""},
                                1,
                                {"2491.78", "2067.63", "591.83", "1200", "119.03"}},
                    ComputeCase{"StartUpClear",
                                {"2491.78", "2067.63", "", "", ""},
                                0,
                                {"2491.78", "2067.63", "592.41", "1197.15", "119.32"}},
                    ComputeCase{"GivenTextsKeptAsTyped",
                                {" 2491.78", "2067.63m", "", "x", "y"},
                                1,
                                {" 2491.78", "2067.63m", "591.83", "1200", "119.03"}},
                    ComputeCase{"ChordAndHeightFillTheArc",
                                {"", "1000", "1000", "", ""},
                                0,
                                {"2765.74", "1000", "1000", "624.7", "253.8"}}),
    [](const testing::TestParamInfo<ComputeCase>& info) { return info.param.name; });

struct WarningCase {
  const char* name;
  BoxTexts texts;
  const char* message;
};

std::ostream& operator<<(std::ostream& out, const WarningCase& c) {
  return out << c.name;
}

class WarningsAndErrorsLeaveTheBoxes : public testing::TestWithParam<WarningCase> {};

TEST_P(WarningsAndErrorsLeaveTheBoxes, AndSaySo) {
  const WarningCase& c = GetParam();
  MainForm form(kFullStop);
  form.texts() = c.texts;
  form.check_value = 1;
  RecordingServices services;
  Command1_Click(form, services);
  EXPECT_EQ(form.texts(), c.texts);
  ASSERT_EQ(services.calls.size(), 1u);
  EXPECT_EQ(services.calls[0].kind, RecordingServices::Kind::Warning);
  EXPECT_EQ(services.calls[0].text, c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WarningsAndErrorsLeaveTheBoxes,
    testing::Values(WarningCase{"NoSolutionAfterAGoodCompute",
                                {"100", "200", "", "1200", "119.03"},
                                "按当前条件无法求解!请核对后再试!"},
                    WarningCase{"Incomplete",
                                {"", "", "5", "1200", "119.03"},
                                "当前输入项不完整,请填写完整后再试!"},
                    WarningCase{"NotANumber",
                                {"", "10", "abc", "", ""},
                                "弦高中填入的不是有效的数字,请核对后再试!"},
                    WarningCase{"OutOfRange",
                                {"1e999", "10", "", "", ""},
                                "弧长的数值超出了可以计算的范围,请核对后再试!"},
                    WarningCase{"OverflowWithoutAMatch",
                                {"1e308", "10", "", "", ""},
                                "计算中数值溢出,无法求解!请核对后再试!"}),
    [](const testing::TestParamInfo<WarningCase>& info) { return info.param.name; });

// The last match before the overflow is written first, then reported.
TEST(Command1Click, ArithmeticErrorShowsTheLastMatchBeforeTheWarning) {
  MainForm form(kFullStop);
  form.texts() = {"1e305", "0", "", "", ""};
  form.check_value = 0;
  RecordingServices services(&form);
  Command1_Click(form, services);
  const BoxTexts expected{"1e305", "0", "1.59235668789809E+304", "1.59235668789809E+304", "360"};
  EXPECT_EQ(form.texts(), expected);
  ASSERT_EQ(services.calls.size(), 1u);
  EXPECT_EQ(services.calls[0].kind, RecordingServices::Kind::Warning);
  EXPECT_NE(services.calls[0].text.find("溢出"), std::string::npos);
  EXPECT_EQ(services.texts_at_call[0], expected);
}

// The start-up state after its compute: 119.03, 1200, 591.83.
MainForm SolvedStartUpForm() {
  MainForm form(kFullStop);
  Form_Load(form);
  RecordingServices services;
  Command1_Click(form, services);
  EXPECT_TRUE(services.calls.empty());
  return form;
}

// Each entry that needs a result, by shortcut or by menu, on a form without
// one: the window greys them out, and a shortcut that gets through anyway
// changes nothing. 工作台 alone stays available (workbench_test.cpp).
void ExpectEntriesDoNothing(const MainForm& form) {
  EXPECT_FALSE(form.HasResult());
  for (const MenuEntry& entry : kMenuEntries) {
    EXPECT_EQ(entry.AvailableFor(form), !entry.needs_result) << entry.text;
    if (!entry.needs_result) continue;
    RecordingServices services;
    services.save_as = std::filesystem::path("never.dxf");
    const BoxTexts before = form.texts();
    entry.click(form, services);
    EXPECT_TRUE(services.calls.empty()) << entry.text;
    EXPECT_EQ(form.texts(), before);
  }
  EXPECT_FALSE(std::filesystem::exists("never.dxf"));
}

TEST(Menu, EntriesNeedAResultBeforeTheFirstCompute) {
  MainForm form(kFullStop);
  Form_Load(form);
  ExpectEntriesDoNothing(form);
  EXPECT_TRUE(SolvedStartUpForm().HasResult());
}

class MenuAfterAFailedCompute : public testing::TestWithParam<WarningCase> {};

// The earlier results stay in view, but they are not of the boxes' inputs any
// more, so nothing is made from them.
TEST_P(MenuAfterAFailedCompute, HasNoResult) {
  MainForm form = SolvedStartUpForm();
  form.text(Quantity::Arc) = GetParam().texts[0];
  form.text(Quantity::Chord) = GetParam().texts[1];
  form.text(Quantity::Height) = GetParam().texts[2];
  RecordingServices services;
  Command1_Click(form, services);
  ASSERT_EQ(services.calls.size(), 1u);
  ExpectEntriesDoNothing(form);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MenuAfterAFailedCompute,
    testing::Values(WarningCase{"NoSolution", {"100", "200", ""}, ""},
                    WarningCase{"Incomplete", {"", "", "5"}, ""},
                    WarningCase{"NotANumber", {"", "10", "abc"}, ""},
                    WarningCase{"ArithmeticErrorWithAMatch", {"1e305", "0", ""}, ""}),
    [](const testing::TestParamInfo<WarningCase>& info) { return info.param.name; });

TEST(CopyResults, PutsTheFiveBoxesUnderTheirLabels) {
  const MainForm form = SolvedStartUpForm();
  RecordingServices services;
  CopyResults_Click(form, services);
  ASSERT_EQ(services.calls.size(), 1u);
  EXPECT_EQ(services.calls[0].kind, RecordingServices::Kind::Clipboard);
  EXPECT_EQ(services.calls[0].text,
            "弧长\t弦长\t弦高\t半径\t夹角\n"
            "2491.78\t2067.63\t591.83\t1200\t119.03\n");
}

// The given boxes keep their texts as typed, pasted tabs and line breaks too;
// the copy stays one row of five cells.
TEST(CopyResults, KeepsOneRowOfFiveCells) {
  MainForm form(kFullStop);
  form.texts() = {"2491.78\t", "2067.63\r\n", "", "", ""};
  form.check_value = 1;
  RecordingServices services;
  Command1_Click(form, services);
  ASSERT_TRUE(form.HasResult());
  CopyResults_Click(form, services);
  ASSERT_EQ(services.calls.size(), 1u);
  EXPECT_EQ(services.calls[0].text,
            "弧长\t弦长\t弦高\t半径\t夹角\n"
            "2491.78 \t2067.63  \t591.83\t1200\t119.03\n");
}

TEST(LayoutDrawing, WritesTheReportAndOpensIt) {
  ScratchFolder folder;
  const MainForm form = SolvedStartUpForm();
  RecordingServices services;
  services.report_folder = folder.path();
  LayoutDrawing_Click(form, services);
  const std::filesystem::path report = folder.path() / "segcalc-report-1.html";
  ASSERT_EQ(services.calls.size(), 1u);
  EXPECT_EQ(services.calls[0].kind, RecordingServices::Kind::Browser);
  EXPECT_EQ(services.calls[0].text, report.string());
  const std::string html = ReadWholeFile(report);
  EXPECT_TRUE(html.starts_with("<!DOCTYPE html>")) << html.substr(0, 40);
  // The calculator's own boxes are in it, as the window shows them.
  for (const char* text : {"2491.78", "2067.63", "591.83", "119.03"}) {
    EXPECT_NE(html.find(text), std::string::npos) << text;
  }
}

struct FailureCase {
  const char* name;
  bool folder_exists;
  bool browser_opens;
  const char* warning_start;
  bool report_written;
};

std::ostream& operator<<(std::ostream& out, const FailureCase& c) {
  return out << c.name;
}

class LayoutDrawingFailure : public testing::TestWithParam<FailureCase> {};

// The user is told, and the window goes on as it was.
TEST_P(LayoutDrawingFailure, IsAWarning) {
  const FailureCase& c = GetParam();
  ScratchFolder folder;
  MainForm form = SolvedStartUpForm();
  const BoxTexts before = form.texts();
  RecordingServices services;
  services.report_folder = c.folder_exists ? folder.path() : folder.path() / "gone" / "deeper";
  services.browser_opens = c.browser_opens;
  LayoutDrawing_Click(form, services);
  ASSERT_FALSE(services.calls.empty());
  const RecordingServices::Call& last = services.calls.back();
  EXPECT_EQ(last.kind, RecordingServices::Kind::Warning);
  EXPECT_TRUE(last.text.starts_with(c.warning_start)) << last.text;
  EXPECT_NE(last.text.find("segcalc-report-1.html"), std::string::npos) << last.text;
  EXPECT_EQ(std::filesystem::exists(services.report_folder / "segcalc-report-1.html"),
            c.report_written);
  EXPECT_EQ(form.texts(), before);
  EXPECT_TRUE(form.HasResult());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LayoutDrawingFailure,
    testing::Values(FailureCase{"UnwritableFolder", false, true, "无法写入文件 ", false},
                    FailureCase{"NoBrowser", true, false, "无法打开浏览器", true}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

// The radius of the drawing's ARC entity: group code 40 after "ARC".
double DxfArcRadius(const std::string& dxf) {
  std::istringstream lines(dxf);
  std::string code, value;
  bool in_arc = false;
  while (std::getline(lines, code) && std::getline(lines, value)) {
    if (code == "0") in_arc = value == "ARC";
    if (in_arc && code == "40") return std::stod(value);
  }
  return 0;
}

TEST(ExportDxf, WritesTheExactArcInMillimetres) {
  ScratchFolder folder;
  const MainForm form = SolvedStartUpForm();
  RecordingServices services;
  services.save_as = folder.path() / "arc.dxf";
  ExportDxf_Click(form, services);
  ASSERT_EQ(services.calls.size(), 1u);
  EXPECT_EQ(services.calls[0].kind, RecordingServices::Kind::SaveDialog);
  // Named after the exact circle it holds, not the calculator's 119.03.
  EXPECT_EQ(services.calls[0].text, "圆弧 R1200 118.97度.dxf");
  const std::string dxf = ReadWholeFile(*services.save_as);
  EXPECT_TRUE(dxf.ends_with("0\nEOF\n"));
  // The true-pi circle lies within a millimetre or two of the calculator's.
  EXPECT_NEAR(DxfArcRadius(dxf), 1200.0, 2.0);
}

TEST(ExportDxf, CancelledOrUnwritable) {
  ScratchFolder folder;
  MainForm form = SolvedStartUpForm();
  const BoxTexts before = form.texts();
  RecordingServices cancelled;
  ExportDxf_Click(form, cancelled);
  ASSERT_EQ(cancelled.calls.size(), 1u);
  EXPECT_EQ(cancelled.calls[0].kind, RecordingServices::Kind::SaveDialog);

  RecordingServices unwritable;
  unwritable.save_as = folder.path() / "gone" / "arc.dxf";
  ExportDxf_Click(form, unwritable);
  ASSERT_EQ(unwritable.calls.size(), 2u);
  EXPECT_EQ(unwritable.calls[1].kind, RecordingServices::Kind::Warning);
  EXPECT_TRUE(unwritable.calls[1].text.starts_with("无法写入文件 ")) << unwritable.calls[1].text;
  EXPECT_FALSE(std::filesystem::exists(*unwritable.save_as));
  EXPECT_EQ(form.texts(), before);
  EXPECT_TRUE(form.HasResult());
}

TEST(Commands, CloseAndAbout) {
  RecordingServices services;
  Command3_Click(services);
  Command2_Click(services);
  ASSERT_EQ(services.calls.size(), 2u);
  EXPECT_EQ(services.calls[0].kind, RecordingServices::Kind::About);
  EXPECT_EQ(services.calls[0].text, AboutText());
  EXPECT_TRUE(
      AboutText().ends_with(",或光临我的网站或论坛segcalc.example.com"
                            ",进行门窗幕墙方面知识的交流!"));
  EXPECT_NE(AboutText().find(std::string(" ") + kVersion + " "), std::string::npos);
  EXPECT_EQ(services.calls[1].kind, RecordingServices::Kind::End);
}

// Lengths are in the text boxes' UTF-16 units: an emoji counts two.
TEST(GotFocus, SelectsTheWholeText) {
  MainForm form(kFullStop);
  form.text(Quantity::Arc) = "12.5";
  form.text(Quantity::Chord) = "弦😀";
  form.text(Quantity::Height) = "";
  form.selection(Quantity::Radius) = {1, 2};
  Text1_GotFocus(form);
  Text2_GotFocus(form);
  Text3_GotFocus(form);
  EXPECT_EQ(form.selection(Quantity::Arc).length, 4);
  EXPECT_EQ(form.selection(Quantity::Chord).length, 3);
  EXPECT_EQ(form.selection(Quantity::Height).length, 0);
  EXPECT_EQ(form.selection(Quantity::Chord).start, 0);
  EXPECT_EQ(form.selection(Quantity::Radius).start, 1);
}

TEST(Utf16Length, CountsAsTheBoxesDo) {
  EXPECT_EQ(Utf16Length(""), 0);
  EXPECT_EQ(Utf16Length("1,5"), 3);
  EXPECT_EQ(Utf16Length("é弧"), 2);
  EXPECT_EQ(Utf16Length("😀😀a"), 5);
}

TEST(MissingDisplay, IsExplained) {
  EXPECT_TRUE(MissingDisplayReason(nullptr, ":0", nullptr).empty());
  EXPECT_TRUE(MissingDisplayReason(nullptr, nullptr, "wayland-0").empty());
  EXPECT_TRUE(MissingDisplayReason("offscreen", nullptr, nullptr).empty());
  const std::string reason = MissingDisplayReason(nullptr, "", nullptr);
  EXPECT_NE(reason.find("xvfb-run"), std::string::npos);
  EXPECT_EQ(reason.find('\n'), std::string::npos);
}

TEST(TerminalAnswer, HelpAndVersionWithoutAWindow) {
  EXPECT_FALSE(TerminalAnswer({}));
  // Toolkit arguments open the window as usual.
  EXPECT_FALSE(TerminalAnswer({"-platform", "offscreen"}));
  EXPECT_FALSE(TerminalAnswer({"--versions"}));

  const auto version = TerminalAnswer({"--version"});
  ASSERT_TRUE(version);
  EXPECT_EQ(*version, std::string("segcalc ") + kVersion + "\n");
  // Help wins wherever it stands.
  for (const auto& args :
       {std::vector<std::string_view>{"--help"}, std::vector<std::string_view>{"-h"},
        std::vector<std::string_view>{"--version", "--help"}}) {
    const auto help = TerminalAnswer(args);
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->starts_with("用法: segcalc")) << *help;
    EXPECT_NE(help->find("--version"), std::string::npos);
  }
}

}  // namespace
}  // namespace segcalc

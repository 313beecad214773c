#include "window/commands.h"

#include <gtest/gtest.h>

#include "app/display_check.h"
#include "app/terminal_answer.h"
#include "recording_services.h"
#include "version.h"
#include "window/main_form.h"

namespace segcalc {
namespace {

const NumberSeparators kFullStop{".", ","};
const NumberSeparators kComma{",", "."};

TEST(FormLoad, SetsTheStartUpState) {
  MainForm form(kFullStop);
  form.text(TextBox::Radius) = "left over";
  Form_Load(form);
  EXPECT_EQ(form.texts(), (BoxTexts{"2491.78", "2067.63", "", "", ""}));
  EXPECT_EQ(form.check_value, 1);
  EXPECT_EQ(form.caption, "求半径" + std::string(31, ' ') + "作者:segcalc,QQ:00000000");
}

TEST(FormLoad, WritesTheLocaleSeparator) {
  MainForm form(kComma);
  Form_Load(form);
  EXPECT_EQ(form.text(TextBox::Arc), "2491,78");
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
  form.text(TextBox::Arc) = "12.5";
  form.text(TextBox::Chord) = "弦😀";
  form.text(TextBox::Height) = "";
  form.selection(TextBox::Radius) = {1, 2};
  Text1_GotFocus(form);
  Text2_GotFocus(form);
  Text3_GotFocus(form);
  EXPECT_EQ(form.selection(TextBox::Arc).length, 4);
  EXPECT_EQ(form.selection(TextBox::Chord).length, 3);
  EXPECT_EQ(form.selection(TextBox::Height).length, 0);
  EXPECT_EQ(form.selection(TextBox::Chord).start, 0);
  EXPECT_EQ(form.selection(TextBox::Radius).start, 1);
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

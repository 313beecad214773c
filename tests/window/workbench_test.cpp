// 工作台: a copy of the web page with the window's boxes in it, written
// whatever came of the last compute, and where the window finds the page.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>

#include "recording_services.h"
#include "scratch_folder.h"
#include "window/commands.h"
#include "window/workbench_page.h"

namespace segcalc {
namespace {

const NumberSeparators kFullStop{".", ","};

// Laid out as the web build's page: its policy in the head, its scripts at
// the end of the body.
constexpr char kPage[] =
    "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n"
    "<meta http-equiv=\"Content-Security-Policy\" content=\"script-src 'sha256-abc'\">\n"
    "</head>\n<body>\n<script id=\"app-script\">SC.start();</script>\n</body>\n</html>\n";

void WriteText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// The page in a scratch folder and a report folder beside it.
struct Workbench {
  Workbench() {
    WriteText(scratch.path() / "segcalc.html", kPage);
    std::filesystem::create_directory(scratch.path() / "reports");
    services.workbench_page = scratch.path() / "segcalc.html";
    services.report_folder = scratch.path() / "reports";
  }
  std::filesystem::path Report(int n) const {
    return scratch.path() / "reports" / ("segcalc-workbench-" + std::to_string(n) + ".html");
  }

  ScratchFolder scratch;
  RecordingServices services;
};

// The page as the copy must be: the block alone added, at the end of the head.
std::string PageWithBlock(const std::string& json) {
  std::string page = kPage;
  page.insert(page.find("</head>"),
              "<script id=\"segcalc-job\" type=\"application/json\">" + json + "</script>\n");
  return page;
}

struct CopyCase {
  const char* name;
  NumberSeparators separators;
  BoxTexts texts;
  int check;
  const char* json;
};

std::ostream& operator<<(std::ostream& out, const CopyCase& c) {
  return out << c.name;
}

class WorkbenchCopy : public testing::TestWithParam<CopyCase> {};

// The boxes as typed, with nothing a text holds able to end the block or
// reach the page's scripts; the rest of the page, its policy too, untouched.
TEST_P(WorkbenchCopy, CarriesTheBoxesAsTyped) {
  const CopyCase& c = GetParam();
  Workbench bench;
  MainForm form(c.separators);
  form.texts() = c.texts;
  form.check_value = c.check;
  Workbench_Click(form, bench.services);
  ASSERT_EQ(bench.services.calls.size(), 1u);
  EXPECT_EQ(bench.services.calls[0].kind, RecordingServices::Kind::Browser);
  EXPECT_EQ(bench.services.calls[0].text, bench.Report(1).string());
  EXPECT_EQ(ReadWholeFile(bench.Report(1)), PageWithBlock(c.json));
  EXPECT_EQ(form.texts(), c.texts);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WorkbenchCopy,
    testing::Values(
        CopyCase{
            "StartUpTicked",
            kFullStop,
            {"2491.78", "2067.63", "", "", ""},
            1,
            R"({"t":"calc","ca":"2491.78","cc":"2067.63","ch":"","cm":"1","sd":".","sg":","})"},
        CopyCase{
            "CommaLocaleClear",
            {",", "."},
            {"2491,78", "2067,63", "591,83", "1200", "119,03"},
            0,
            R"({"t":"calc","ca":"2491,78","cc":"2067,63","ch":"591,83","cm":"0","sd":",","sg":"."})"},
        CopyCase{"Hostile",
                 kFullStop,
                 {"a\"b\\c'", "</script><!--<script>", "弦高 1\t2\r\n\x01", "", ""},
                 1,
                 R"({"t":"calc","ca":"a\"b\\c'","cc":"\u003c/script>\u003c!--\u003cscript>",)"
                 R"("ch":"弦高 1\u00092\u000d\u000a\u0001","cm":"1","sd":".","sg":","})"}),
    [](const testing::TestParamInfo<CopyCase>& info) { return info.param.name; });

// A copy already open in a browser tab keeps what it was written with.
TEST(Workbench, WritesANewFileEachTime) {
  Workbench bench;
  MainForm form(kFullStop);
  form.texts() = {"100", "", "", "", ""};
  Workbench_Click(form, bench.services);
  form.text(Quantity::Arc) = "200";
  Workbench_Click(form, bench.services);
  ASSERT_EQ(bench.services.calls.size(), 2u);
  EXPECT_EQ(bench.services.calls[1].text, bench.Report(2).string());
  EXPECT_NE(ReadWholeFile(bench.Report(1)).find(R"("ca":"100")"), std::string::npos);
  EXPECT_NE(ReadWholeFile(bench.Report(2)).find(R"("ca":"200")"), std::string::npos);
}

const MenuEntry& WorkbenchEntry() {
  return *std::find_if(std::begin(kMenuEntries), std::end(kMenuEntries),
                       [](const MenuEntry& entry) { return entry.click == Workbench_Click; });
}

// It carries the boxes, not a result: before any compute and after one
// without a solution it is there, by the menu's own entry.
TEST(Workbench, NeedsNoResult) {
  MainForm fresh(kFullStop);
  Form_Load(fresh);
  MainForm unsolved(kFullStop);
  Form_Load(unsolved);
  RecordingServices computing;
  Command1_Click(unsolved, computing);
  unsolved.text(Quantity::Arc) = "100";
  unsolved.text(Quantity::Chord) = "200";
  Command1_Click(unsolved, computing);
  ASSERT_EQ(computing.calls.size(), 1u);  // 按当前条件无法求解

  for (const MainForm* form : {&fresh, &unsolved}) {
    EXPECT_FALSE(form->HasResult());
    EXPECT_TRUE(WorkbenchEntry().AvailableFor(*form));
    Workbench bench;
    WorkbenchEntry().click(*form, bench.services);
    ASSERT_EQ(bench.services.calls.size(), 1u);
    EXPECT_EQ(bench.services.calls[0].kind, RecordingServices::Kind::Browser);
    const std::string copy = ReadWholeFile(bench.Report(1));
    EXPECT_NE(copy.find("\"ca\":\"" + form->text(Quantity::Arc) + "\",\"cc\":\"" +
                        form->text(Quantity::Chord) + "\""),
              std::string::npos)
        << copy;
  }
}

enum class Fault { NoPage, NotAPage, PageIsAFolder, NoReportFolder, UnwritableFolder, NoBrowser };

struct FaultCase {
  const char* name;
  Fault fault;
  const char* warning_start;
  bool written;
};

std::ostream& operator<<(std::ostream& out, const FaultCase& c) {
  return out << c.name;
}

class WorkbenchFault : public testing::TestWithParam<FaultCase> {};

// The user is told what is missing, and the window goes on as it was.
TEST_P(WorkbenchFault, IsAWarning) {
  const FaultCase& c = GetParam();
  Workbench bench;
  RecordingServices& services = bench.services;
  std::filesystem::path named;  // what the warning must name
  switch (c.fault) {
    case Fault::NoPage:
      services.workbench_page.clear();
      services.program_folder = bench.scratch.path() / "bin";
      named = services.program_folder / "segcalc.html";
      break;
    case Fault::NotAPage:
      WriteText(services.workbench_page, "<p>no head</p>");
      named = services.workbench_page;
      break;
    case Fault::PageIsAFolder:
      services.workbench_page = bench.scratch.path() / "reports";
      named = services.workbench_page;
      break;
    case Fault::NoReportFolder:
      services.report_folder.clear();
      break;
    case Fault::UnwritableFolder:
      services.report_folder = bench.scratch.path() / "gone" / "deeper";
      named = services.report_folder / "segcalc-workbench-1.html";
      break;
    case Fault::NoBrowser:
      services.browser_opens = false;
      named = bench.Report(1);
      break;
  }
  MainForm form(kFullStop);
  Form_Load(form);
  const BoxTexts before = form.texts();
  Workbench_Click(form, services);
  ASSERT_FALSE(services.calls.empty());
  EXPECT_EQ(services.calls.size(), c.fault == Fault::NoBrowser ? 2u : 1u);
  const RecordingServices::Call& last = services.calls.back();
  EXPECT_EQ(last.kind, RecordingServices::Kind::Warning);
  EXPECT_TRUE(last.text.starts_with(c.warning_start)) << last.text;
  EXPECT_NE(last.text.find(named.string()), std::string::npos) << last.text;
  EXPECT_EQ(std::filesystem::exists(bench.Report(1)), c.written);
  EXPECT_EQ(form.texts(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WorkbenchFault,
    testing::Values(FaultCase{"NoPage", Fault::NoPage, "找不到工作台的网页 segcalc.html", false},
                    FaultCase{"NotAPage", Fault::NotAPage, "无法读取工作台的网页 ", false},
                    FaultCase{"PageIsAFolder", Fault::PageIsAFolder, "无法读取工作台的网页 ",
                              false},
                    FaultCase{"NoReportFolder", Fault::NoReportFolder, "找不到临时文件夹", false},
                    FaultCase{"UnwritableFolder", Fault::UnwritableFolder, "无法写入文件 ", false},
                    FaultCase{"NoBrowser", Fault::NoBrowser, "无法打开浏览器,工作台已写入 ", true}),
    [](const testing::TestParamInfo<FaultCase>& info) { return info.param.name; });

struct LookupCase {
  const char* name;
  bool beside, beside_is_folder, in_share;
  const char* found;  // relative to the scratch folder; empty: none
};

std::ostream& operator<<(std::ostream& out, const LookupCase& c) {
  return out << c.name;
}

class WorkbenchLookup : public testing::TestWithParam<LookupCase> {};

// Beside the program first, then ../share/segcalc/ from it; of the places
// compiled in (the installed data folder, the web build's page) only those
// inside the scratch folder are looked at, so that the machine's own stay out.
TEST_P(WorkbenchLookup, TakesTheFirstPlaceWithTheFile) {
  const LookupCase& c = GetParam();
  ScratchFolder scratch;
  const std::filesystem::path bin = scratch.path() / "usr" / "bin";
  const std::filesystem::path share = scratch.path() / "usr" / "share" / "segcalc";
  std::filesystem::create_directories(bin);
  std::filesystem::create_directories(share);
  if (c.beside) WriteText(bin / "segcalc.html", kPage);
  if (c.beside_is_folder) std::filesystem::create_directory(bin / "segcalc.html");
  if (c.in_share) WriteText(share / "segcalc.html", kPage);

  std::vector<std::filesystem::path> places;
  for (const std::filesystem::path& place : WorkbenchPageCandidates(bin)) {
    if (place.string().starts_with(scratch.path().string())) places.push_back(place);
  }
  ASSERT_EQ(places, (std::vector{bin / "segcalc.html", share / "segcalc.html"}));
  const std::filesystem::path expected =
      *c.found ? scratch.path() / c.found : std::filesystem::path();
  EXPECT_EQ(FirstExistingFile(places), expected);
  // The services' own lookup starts where the toolkit says the program is.
  RecordingServices services;
  services.program_folder = bin;
  if (c.beside) {
    EXPECT_EQ(services.WindowServices::WorkbenchPage(), bin / "segcalc.html");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WorkbenchLookup,
    testing::Values(LookupCase{"BesideWins", true, false, true, "usr/bin/segcalc.html"},
                    LookupCase{"Beside", true, false, false, "usr/bin/segcalc.html"},
                    LookupCase{"Share", false, false, true, "usr/share/segcalc/segcalc.html"},
                    LookupCase{"AFolderIsNoPage", false, true, true,
                               "usr/share/segcalc/segcalc.html"},
                    LookupCase{"Nowhere", false, false, false, ""}),
    [](const testing::TestParamInfo<LookupCase>& info) { return info.param.name; });

}  // namespace
}  // namespace segcalc

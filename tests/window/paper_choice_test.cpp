// 纸张: the paper 放样图 prints on, chosen once and kept for the session.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/window/recording_services.h"
#include "tests/window/scratch_folder.h"
#include "window/commands.h"

namespace segcalc {
namespace {

// The page size each report asks the browser for, in the order written.
std::vector<std::string> ReportPages(const std::filesystem::path& folder, int reports) {
  std::vector<std::string> pages;
  for (int n = 1; n <= reports; ++n) {
    const std::string html =
        ReadWholeFile(folder / ("segcalc-report-" + std::to_string(n) + ".html"));
    const std::size_t at = html.find("@page { size: ");
    pages.push_back(at == std::string::npos ? ""
                                            : html.substr(at + 14, html.find(';', at) - at - 14));
  }
  return pages;
}

// A4 until another paper is chosen; a choice holds through later computes
// and reports, and exactly one entry of the submenu is ticked.
TEST(PaperChoice, LastsForTheSessionAndSizesEveryReport) {
  ScratchFolder folder;
  MainForm form({".", ","});
  Form_Load(form);
  RecordingServices services;
  services.report_folder = folder.path();
  const auto ticked = [&] {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < std::size(kPaperEntries); ++i) {
      if (PaperChosen(form, i)) texts.push_back(kPaperEntries[i].text);
    }
    return texts;
  };
  EXPECT_EQ(ticked(), std::vector<std::string>{"A4"});
  Command1_Click(form, services);
  LayoutDrawing_Click(form, services);
  ChoosePaper(form, 4);  // A0
  EXPECT_EQ(ticked(), std::vector<std::string>{"A0"});
  Command1_Click(form, services);
  LayoutDrawing_Click(form, services);
  ChoosePaper(form, std::size(kPaperEntries));  // none such: nothing changes
  EXPECT_EQ(ticked(), std::vector<std::string>{"A0"});
  ChoosePaper(form, std::size(kPaperEntries) - 1);
  EXPECT_EQ(ticked(), std::vector<std::string>{"卷筒纸 914 mm"});
  LayoutDrawing_Click(form, services);
  EXPECT_EQ(ReportPages(folder.path(), 3),
            (std::vector<std::string>{"A4 portrait", "841mm 1189mm", "914mm 297mm"}));
  // Every entry is a paper the report takes.
  for (std::size_t i = 0; i < std::size(kPaperEntries); ++i) {
    ChoosePaper(form, i);
    EXPECT_EQ(ticked(), std::vector<std::string>{kPaperEntries[i].text});
  }
}

}  // namespace
}  // namespace segcalc

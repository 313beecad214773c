#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "shopfloor/bar_plan_files.h"
#include "shopfloor/bar_plan_text.h"
#include "shopfloor/saw_sheet.h"

namespace segcalc {
namespace {

// A plan as the solver would give it, small enough to read by eye: two new
// 6000 bars cut one way and a rack bar of 2500, kerf 3.
barplan::BarPlan SmallPlan() {
  barplan::BarPlan plan;
  plan.patterns = {
      {6000, false, 2, {{2400.5, "门框 \"A\"", 2}, {1100, "", 1}}, 3, 5910, 90, false},
      {2500, true, 1, {{1200, "<扇>", 2}}, 2, 2406, 94, true},
  };
  plan.new_bars = {{6000, 2}};
  plan.rack_bars = {{2500, 1}};
  plan.new_bar_count = 2;
  plan.rack_bar_count = 1;
  plan.new_length = 12000;
  plan.used_length = 14500;
  plan.piece_length = 14202;
  plan.kerf_length = 24;
  plan.offcut_length = 94;
  plan.offcut_count = 1;
  plan.scrap_length = 180;
  plan.scrap_count = 2;
  plan.utilization = 14202.0 / 14500.0;
  plan.bound_length = 6000;
  plan.bound_bars = 1;
  plan.gap_length = 6000;
  plan.gap_bars = 1;
  plan.kerf = 3;
  plan.min_offcut = 94;
  return plan;
}

TEST(BarPlanWriters, TextHasOneLineAPatternThenTheTotals) {
  std::ostringstream out;
  WriteBarPlanText(out, SmallPlan(), {".", ","});
  EXPECT_EQ(out.str(),
            "方案\t1\t6000\t2\t2400.5(门框 \"A\")×2 + 1100\t90\n"
            "方案\t2\t2500(库存)\t1\t1200(<扇>)×2\t94\n"
            "新料根数\t6000\t2\n"
            "库存料根数\t2500\t1\n"
            "新料总长\t12000\n"
            "用料总长\t14500\n"
            "成品总长\t14202\n"
            "利用率\t97.94%\n"
            "余料\t94\n"
            "废料\t180\n"
            "下界\t1 根\n"
            "最优\t未证明,与下界差 1 根\n");
}

TEST(BarPlanWriters, OptimumSaysProvenOrWhyNot) {
  barplan::BarPlan plan = SmallPlan();
  const struct {
    bool proven, stopped, one_length;
    const char* says;
  } cases[] = {
      {true, false, true, "最优\t已证明\n"},
      {true, true, true, "最优\t已证明\n"},
      {false, true, true, "最优\t未证明(计算量已到上限),与下界差 1 根\n"},
      {false, false, false, "下界\t新料总长 6000\n最优\t未证明,与下界差 新料总长 6000\n"},
  };
  for (const auto& c : cases) {
    plan.proven = c.proven;
    plan.stopped = c.stopped;
    plan.bound_bars = c.one_length ? std::optional<std::int64_t>(1) : std::nullopt;
    plan.gap_bars = c.one_length ? std::optional<std::int64_t>(1) : std::nullopt;
    std::ostringstream out;
    WriteBarPlanText(out, plan, {".", ","});
    EXPECT_TRUE(out.str().ends_with(c.says)) << out.str();
  }
}

TEST(BarPlanWriters, CsvForASpreadsheetInEitherLocale) {
  std::ostringstream point, comma;
  WriteBarPlanCsv(point, SmallPlan(), {".", ","});
  WriteBarPlanCsv(comma, SmallPlan(), {",", "."});
  EXPECT_TRUE(point.str().starts_with("\xef\xbb\xbf方案,原料长度,根数,"));
  // The mark's quotes doubled, the field quoted; the offcut goes back.
  EXPECT_NE(point.str().find("1,6000,2,\"2400.5(门框 \"\"A\"\")×2 + 1100\",90,废料\r\n"),
            std::string::npos)
      << point.str();
  EXPECT_NE(point.str().find("2,2500(库存),1,1200(<扇>)×2,94,回库存\r\n"), std::string::npos);
  EXPECT_NE(comma.str().find("1;6000;2;\"2400,5(门框 \"\"A\"\")×2 + 1100\";90;废料\r\n"),
            std::string::npos)
      << comma.str();
  EXPECT_NE(comma.str().find("利用率;97,94%\r\n"), std::string::npos);
}

TEST(BarPlanWriters, SawSheetEscapesMarksAndHasNoScript) {
  std::ostringstream out;
  WriteSawSheet(out, SmallPlan(), {".", ","});
  const std::string page = out.str();
  EXPECT_EQ(page.find("<script"), std::string::npos);
  EXPECT_EQ(page.find("<扇>"), std::string::npos);
  EXPECT_NE(page.find("&lt;扇&gt;"), std::string::npos);
  EXPECT_NE(page.find("门框 &quot;A&quot;"), std::string::npos);
  EXPECT_NE(page.find("方案 1:新料 6000,切 2 根"), std::string::npos);
  EXPECT_NE(page.find("方案 2:库存料 2500,切 1 根"), std::string::npos);
  // One box to tick per bar, and one drawn piece per piece.
  EXPECT_NE(page.find("<p class=\"tally\">□□</p>"), std::string::npos);
  std::size_t pieces = 0;
  for (std::size_t at = page.find("fill=\"#cfe3ff\""); at != std::string::npos;
       at = page.find("fill=\"#cfe3ff\"", at + 1)) {
    ++pieces;
  }
  for (std::size_t at = page.find("fill=\"#ffe2b8\""); at != std::string::npos;
       at = page.find("fill=\"#ffe2b8\"", at + 1)) {
    ++pieces;
  }
  EXPECT_EQ(pieces, 5u);
}

TEST(BarPlanWriters, TheFileKindComesFromTheExtension) {
  const struct {
    const char* name;
    std::optional<PlanFileKind> kind;
  } cases[] = {{"plan.txt", PlanFileKind::Text},
               {"plan.CSV", PlanFileKind::Csv},
               {"锯切.html", PlanFileKind::SawSheet},
               {"a.b.Htm", PlanFileKind::SawSheet},
               {"plan.pdf", std::nullopt},
               {"plan", std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(PlanFileKindFor(c.name), c.kind) << c.name;
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "segcalc-barplan";
  std::filesystem::create_directories(folder);
  EXPECT_TRUE(WriteBarPlanFile(folder / "plan.txt", SmallPlan(), {".", ","}));
  std::string first;
  {
    // Closed before the folder goes: Windows keeps an open file's folder.
    std::ifstream written(folder / "plan.txt", std::ios::binary);
    std::getline(written, first);
  }
  EXPECT_EQ(first, "方案\t1\t6000\t2\t2400.5(门框 \"A\")×2 + 1100\t90");
  EXPECT_FALSE(WriteBarPlanFile(folder / "plan.pdf", SmallPlan(), {".", ","}));
  EXPECT_FALSE(WriteBarPlanFile(folder / "missing" / "plan.txt", SmallPlan(), {".", ","}));
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace segcalc

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli_app.h"
#include "cli/cli_options.h"
#include "shopfloor/utf8_path.h"
#include "tests/cli/in_process_cli.h"
#include "tests/support/text_lines.h"

namespace segcalc {
namespace {

using testing::Fields;
using testing::Lines;

constexpr const char* kStartupLines =
    "弧长\t2491.78\n弦长\t2067.63\n弦高\t591.83\n半径\t1200\n夹角\t119.03\n";

class TempFolder {
 public:
  TempFolder() {
    path_ = std::filesystem::temp_directory_path() /
            ("segcalc-shop-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() { std::filesystem::remove_all(path_); }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

TEST(ShopCli, ExactAddsFiveLinesAfterTheUnchangedFive) {
  const CliRun run = Invoke({"--arc", "2491.78", "--chord", "2067.63", "--exact"});
  EXPECT_EQ(run.status, 0);
  ASSERT_EQ(run.out.substr(0, std::string(kStartupLines).size()), kStartupLines);
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 10u);
  const char* labels[] = {"精确弧长", "精确弦长", "精确弦高", "精确半径", "精确夹角"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Fields(lines[5 + i])[0], labels[i]);
  // The given pair comes back as given; the rest moves off the 3.14 answers.
  EXPECT_EQ(lines[5], "精确弧长\t2491.78");
  EXPECT_EQ(lines[6], "精确弦长\t2067.63");
  EXPECT_NE(lines[7], "精确弦高\t591.83");
}

TEST(ShopCli, OrdinatesRunAcrossTheChordWithTheHeightInTheMiddle) {
  const CliRun run =
      Invoke({"--arc", "2491.78", "--chord", "2067.63", "--exact", "--ordinates", "250"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  std::vector<std::vector<std::string>> rows;
  for (std::size_t i = 10; i < lines.size(); ++i) rows.push_back(Fields(lines[i]));
  ASSERT_EQ(rows.size(), 11u);  // the ends and 0, +-250 ... +-1000
  for (const auto& row : rows) ASSERT_EQ(row[0], "放样");
  EXPECT_EQ(rows.front()[1], "-1033.82");
  EXPECT_EQ(rows.back()[1], "1033.82");
  EXPECT_EQ(rows.front()[2], "0");
  EXPECT_EQ(rows[5][1], "0");
  EXPECT_EQ("精确弦高\t" + rows[5][2], lines[7]);
  for (std::size_t i = 1; i < rows.size(); ++i) {
    EXPECT_LT(std::stod(rows[i - 1][1]), std::stod(rows[i][1]));
  }
}

TEST(ShopCli, RadiusAndChordAnswerWithoutTheCalculator) {
  const CliRun minor = Invoke({"--chord", "1000", "--radius", "800"});
  EXPECT_EQ(minor.status, 0);
  const std::vector<std::string> lines = Lines(minor.out);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[1], "精确弦长\t1000");
  EXPECT_EQ(lines[3], "精确半径\t800");
  EXPECT_LT(std::stod(Fields(lines[4])[1]), 180);
  // The other circle is mentioned, not hidden.
  EXPECT_NE(minor.err.find("另一个圆弧"), std::string::npos);
  const CliRun major = Invoke({"--chord", "1000", "--radius", "800", "--major"});
  EXPECT_GT(std::stod(Fields(Lines(major.out)[4])[1]), 180);
  const CliRun angle = Invoke({"--arc", "100", "--angle", "90", "--exact"});
  EXPECT_EQ(Lines(angle.out)[3], "精确半径\t63.66");
}

TEST(ShopCli, RefusesWhatCannotBeAnswered) {
  const struct {
    std::vector<std::string_view> args;
    int status;
    const char* message;
  } cases[] = {
      {{"--chord", "1000", "--radius", "400"}, 1, "直径"},
      {{"--arc", "1", "--chord", "2", "--radius", "3"}, 2, "恰好给出两项"},
      {{"--radius", "3"}, 2, "恰好给出两项"},
      {{"--chord", "10", "--radius", "abc"}, 2, "半径"},
      {{"--arc", "2491.78", "--chord", "2067.63", "--ordinates", "x"}, 2, "--ordinates"},
      {{"--arc", "2491.78", "--chord", "2067.63", "--ordinates", "0.0001"}, 2, "间距太小"},
      // The scan finds this only because it takes pi as 3.14.
      {{"--arc", "1000", "--height", "362.4", "--major", "--exact"}, 1, "无精确解"},
      {{"--unit", "ft"}, 2, "--unit"},
      {{"--dxf-dir", "x"}, 2, "--dxf-dir"},
      {{"--batch", "--report", "r.html"}, 2, "--batch"},
      {{"--exact=yes"}, 2, "不带值"},
      {{"--report", ""}, 2, "不能为空"},
      {{"--paper", "B5"}, 2, "--paper 只能是"},
      {{"--paper", "roll:100"}, 2, "卷筒纸宽"},
      {{"--batch", "--full-lines"}, 2, "--batch"},
  };
  for (const auto& c : cases) {
    const CliRun run = Invoke(c.args);
    EXPECT_EQ(run.status, c.status) << c.args.front() << " " << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
}

TEST(ShopCli, ExactSolvesWhereTheScanMisses) {
  // A circle exists, but the scan's rounded height jumps over it.
  const CliRun run = Invoke({"--chord", "1000", "--height", "1000", "--exact"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(Lines(run.out).size(), 5u);
  EXPECT_EQ(Lines(run.out)[3], "精确半径\t625");
}

TEST(ShopCli, CommaLocaleWritesCommas) {
  const CliRun run =
      Invoke({"--chord", "1000", "--radius", "800", "--ordinates", "250,5"}, "", {",", "."});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Lines(run.out)[5], "放样\t-500\t0");
  // sqrt(800^2 - 250.5^2) - sqrt(800^2 - 500^2) = 135.27
  EXPECT_EQ(Lines(run.out)[6], "放样\t-250,5\t135,27");
}

TEST(ShopCli, BatchExactAppendsFiveColumnsToEveryLine) {
  const std::string input = "2491.78\t2067.63\t\n100\t200\t\nbad\n";
  const CliRun plain = Invoke({"--batch"}, input);
  const CliRun exact = Invoke({"--batch", "--exact"}, input);
  const CliRun parallel = Invoke({"--batch", "--exact", "-j", "3"}, input);
  EXPECT_EQ(exact.status, plain.status);
  EXPECT_EQ(exact.out, parallel.out);
  const std::vector<std::string> before = Lines(plain.out);
  const std::vector<std::string> after = Lines(exact.out);
  ASSERT_EQ(after.size(), before.size());
  for (std::size_t i = 0; i < after.size(); ++i) {
    ASSERT_EQ(after[i].substr(0, before[i].size()), before[i]);
    EXPECT_EQ(Fields(after[i]).size(), Fields(before[i]).size() + 5);
  }
  EXPECT_EQ(after[0], before[0] + "\t2491.78\t2067.63\t590.72\t1200\t118.97");
  EXPECT_EQ(after[1], before[1] + "\t\t\t\t\t");
}

TEST(ShopCli, WritesTheReportAndTheDrawingAndSaysWhenItCannot) {
  TempFolder folder;
  const std::string report = folder / "报告.html";
  const std::string drawing = folder / "圆弧.dxf";
  const CliRun run =
      Invoke({"--arc", "2491.78", "--chord", "2067.63", "--report", report, "--dxf", drawing});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, kStartupLines);
  std::ifstream html(PathFromUtf8(report));
  std::stringstream text;
  text << html.rdbuf();
  EXPECT_NE(text.str().find("2067.63"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(PathFromUtf8(drawing)));

  const CliRun unwritable =
      Invoke({"--chord", "10", "--radius", "8", "--dxf", folder / "missing/folder/a.dxf"});
  EXPECT_EQ(unwritable.status, 3);
  EXPECT_NE(unwritable.err.find("无法写入"), std::string::npos);
}

// --paper reaches the report of a segment and of a named head alike.
TEST(ShopCli, ThePaperSizesTheReportsPages) {
  TempFolder folder;
  const std::string segment = folder / "segment.html", head = folder / "head.html";
  const CliRun a =
      Invoke({"--arc", "2491.78", "--chord", "2067.63", "--paper", "A3", "--report", segment});
  const CliRun b = Invoke({"--shape", "semicircle", "--span", "1000", "--paper", "roll:914",
                           "--full-lines", "--report", head});
  EXPECT_EQ(a.status, 0) << a.err;
  EXPECT_EQ(b.status, 0) << b.err;
  const auto text = [](const std::string& path) {
    std::ifstream file(PathFromUtf8(path));
    std::stringstream all;
    all << file.rdbuf();
    return all.str();
  };
  EXPECT_NE(text(segment).find("@page { size: A3 portrait;"), std::string::npos);
  const std::string roll = text(head);
  EXPECT_NE(roll.find("@page { size: 914mm 297mm;"), std::string::npos);
  EXPECT_NE(roll.find("@page strip-1 { size: 914mm "), std::string::npos);
}

TEST(ShopCli, DxfDirectoryGetsOneDrawingPerSolvedLine) {
  TempFolder folder;
  const std::string dir = folder / "drawings";
  const CliRun run =
      Invoke({"--batch", "--dxf-dir", dir}, "2491.78\t2067.63\t\n100\t200\t\n10\t\t2\t0\n");
  EXPECT_EQ(run.status, 0) << run.err;
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"1.dxf", "3.dxf"}));
  // Without the options a batch's output is as before.
  EXPECT_EQ(run.out, Invoke({"--batch"}, "2491.78\t2067.63\t\n100\t200\t\n10\t\t2\t0\n").out);
}

// A drawing that cannot be written is output that cannot be written: 3, as
// the help and the README promise, not 1 as for an invalid line.
TEST(ShopCli, DxfDirectoryThatCannotBeWrittenExitsThree) {
  TempFolder folder;
  const std::string plain_file = folder / "not-a-folder";
  std::ofstream(PathFromUtf8(plain_file)) << "x";
  const CliRun run =
      Invoke({"--batch", "--dxf-dir", plain_file + "/drawings"}, "2491.78\t2067.63\t\nbad\n");
  EXPECT_EQ(run.status, 3) << run.err;
  EXPECT_NE(run.err.find("第 1 行: 无法写入文件"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("第 2 行无效"), std::string::npos) << run.err;
  EXPECT_TRUE(run.out.starts_with("solved\t2491.78\t2067.63\t591.83\t1200\t119.03\n")) << run.out;
}

// A curtain wall's sizes: no match for the scan, an exact circle all the same
// (R = (4000^2 + 1000^2) / 2000 = 8500, arc = 2 R asin(4000 / R), worked out
// in Python).
TEST(ShopCli, BatchLineWithoutAMatchGetsItsExactCircle) {
  TempFolder folder;
  const std::string dir = folder / "drawings";
  const CliRun run =
      Invoke({"--batch", "--exact", "--dxf-dir", dir}, "\t8000\t1000\n18000\t\t1500\n");
  EXPECT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "no-solution\t\t8000\t1000\t\t\t8329.27\t8000\t1000\t8500\t56.14");
  EXPECT_TRUE(
      lines[1].starts_with("no-solution\t18000\t\t1500\t\t\t18000\t17662.23\t1500\t26746.19"))
      << lines[1];
  EXPECT_TRUE(std::filesystem::exists(PathFromUtf8(dir) / "1.dxf"));
  EXPECT_TRUE(std::filesystem::exists(PathFromUtf8(dir) / "2.dxf"));
}

// A list saved from a spreadsheet with its header row: the output's first line
// names the output's own columns, and no line is invalid.
TEST(ShopCli, HeaderRowOfASpreadsheet) {
  const std::string list = "弧长\t弦长\t弦高\t勾选\r\n2491.78\t2067.63\t\t1\r\n";
  const CliRun plain = Invoke({"--batch"}, list);
  EXPECT_EQ(plain.status, 0) << plain.err;
  EXPECT_EQ(plain.err, "");
  EXPECT_EQ(plain.out,
            "结果\t弧长\t弦长\t弦高\t半径\t夹角\n"
            "solved\t2491.78\t2067.63\t591.83\t1200\t119.03\n");
  const CliRun exact = Invoke({"--batch", "--exact"}, list);
  EXPECT_EQ(Lines(exact.out).at(0),
            "结果\t弧长\t弦长\t弦高\t半径\t夹角\t精确弧长\t精确弦长\t精确弦高\t精确半径\t精确夹角");
  // Only a first line can be a header, and only one without a digit.
  const CliRun later = Invoke({"--batch"}, "2491.78\t2067.63\t\n弧长\t弦长\t弦高\n");
  EXPECT_TRUE(Lines(later.out).at(1).starts_with("solved\t弧长")) << later.out;
  const CliRun numbered = Invoke({"--batch"}, "弧长1\t弦长\t弦高\n");
  EXPECT_TRUE(numbered.out.starts_with("solved\t弧长1")) << numbered.out;
}

// The same arc typed in each unit: every exact value and ordinate comes out
// to 0.01 mm, so each agrees with the millimetre run to within that, where two
// places of a metre would be 10 mm off.
TEST(ShopCli, ExactValuesToAHundredthOfAMillimetreInEveryUnit) {
  const struct {
    const char* unit;
    double millimetres;
    const char* arc;
    const char* chord;
    const char* step;
  } units[] = {{"mm", 1, "2491.74", "2067.56", "500"},
               {"cm", 10, "249.174", "206.756", "50"},
               {"m", 1000, "2.49174", "2.06756", "0.5"},
               {"in", 25.4, "98.1", "81.4", "19.685"}};
  std::vector<double> reference;
  for (const auto& u : units) {
    const CliRun run = Invoke(
        {"--unit", u.unit, "--arc", u.arc, "--chord", u.chord, "--exact", "--ordinates", u.step});
    ASSERT_EQ(run.status, 0) << u.unit << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    std::vector<double> millimetres;
    for (std::size_t i = 5; i < lines.size(); ++i) {
      const std::vector<std::string> fields = Fields(lines[i]);
      for (std::size_t f = 1; f < fields.size(); ++f) {
        if (fields[0] == "精确夹角") continue;
        millimetres.push_back(std::stod(fields[f]) * u.millimetres);
      }
    }
    if (reference.empty()) {
      reference = millimetres;
      continue;
    }
    ASSERT_EQ(millimetres.size(), reference.size()) << u.unit;
    for (std::size_t i = 0; i < millimetres.size(); ++i) {
      EXPECT_NEAR(millimetres[i], reference[i], 0.0101) << u.unit << " value " << i;
    }
  }
}

}  // namespace
}  // namespace segcalc

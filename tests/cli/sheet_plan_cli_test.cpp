// The cutting list a shop hands over (--sheet) and the plan of the bars to
// cut (--plan), from a batch or a plain list of pieces.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "tests/cli/in_process_cli.h"
#include "tests/support/text_lines.h"
#include "tests/window/scratch_folder.h"

namespace segcalc {
namespace {

using testing::Lines;

// A CSV row's cells (the sheet quotes only cells with a comma).
std::vector<std::string> Cells(const std::string& line) {
  std::vector<std::string> cells(1);
  bool quoted = false;
  for (const char c : line) {
    if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      cells.emplace_back();
    } else if (c != '\r') {
      cells.back() += c;
    }
  }
  return cells;
}

// label<TAB>value lines of a plan, by label (the last of each).
std::map<std::string, std::string> Labelled(const std::string& text) {
  std::map<std::string, std::string> values;
  for (const std::string& line : Lines(text)) {
    const std::size_t tab = line.find('\t');
    if (tab != std::string::npos) values[line.substr(0, tab)] = line.substr(tab + 1);
  }
  return values;
}

const std::string kList =
    "编号\t弦长\t弦高\t数量\n"
    "W-01\t1200\t300\t4\n"
    "W-02\t1500\t375\t2\n"
    "W-03\t１２００\t300\t3\n"  // full-width: the same part as W-01
    "W-04\t1200\tabc\t1\n"
    "W-05\t1200\t300\t0\n";

// One row a line, outcomes in words, the shop's columns first, numbers as
// read; the totals count each part as often as its quantity, and identical
// parts are grouped whatever digits they were typed in.
TEST(SheetCli, ListsEveryLineWithItsTotalsAndIdenticalParts) {
  ScratchFolder scratch;
  const std::string sheet = (scratch.path() / "list.csv").string();
  const CliRun run = Invoke(
      {"--batch", "--profile", "70", "--face", "outer", "--tails", "150", "--sheet", sheet}, kList);
  EXPECT_EQ(run.status, 1) << run.err;  // W-04 has no number, W-05 no quantity
  const std::string text = ReadWholeFile(sheet);
  ASSERT_EQ(text.rfind("\xef\xbb\xbf", 0), 0u);
  const std::vector<std::string> lines = Lines(text.substr(3));
  const std::vector<std::string> header = Cells(lines[0]);
  ASSERT_GE(header.size(), 6u);
  EXPECT_EQ(std::vector<std::string>(header.begin(), header.begin() + 6),
            (std::vector<std::string>{"行", "编号", "数量", "结果", "半径", "下料长度"}));
  EXPECT_EQ(Cells(lines[1])[3], "已解");
  EXPECT_EQ(Cells(lines[3])[0], "4");
  const auto chord = std::find(header.begin(), header.end(), "弦长") - header.begin();
  EXPECT_EQ(Cells(lines[3])[chord], "1200") << lines[3];
  EXPECT_EQ(Cells(lines[4])[3], "数字无效");
  EXPECT_EQ(Cells(lines[5])[3], "无效");
  EXPECT_NE(Cells(lines[5]).back().find("数量"), std::string::npos) << lines[5];
  const double w01 = std::stod(Cells(lines[1])[5]), w02 = std::stod(Cells(lines[2])[5]);
  std::map<std::string, std::vector<std::string>> totals;
  for (const std::string& line : lines) totals[Cells(line)[0]] = Cells(line);
  EXPECT_EQ(totals.at("行数")[1], "5");
  EXPECT_EQ(totals.at("无零件的行")[1], "2");
  EXPECT_EQ(totals.at("零件数")[1], "9");
  EXPECT_NEAR(std::stod(totals.at("总下料长度")[1]), 7 * w01 + 2 * w02, 0.011);
  // W-01 and W-03 are one part: lines 2 and 4, seven of them.
  EXPECT_EQ(totals.at("2, 4")[2], "7");
}

// The plan takes each line's cut length times its quantity: its pieces add
// up to the sheet's total, its marks are the list's.
TEST(SheetCli, PlansTheBarsOfTheList) {
  ScratchFolder scratch;
  const std::string plan = (scratch.path() / "plan.txt").string();
  const std::string list = "编号\t弦长\t弦高\t数量\nA\t1200\t300\t4\nB\t1500\t375\t2\n";
  const CliRun run = Invoke({"--batch", "--profile", "70", "--face", "outer", "--tails", "150",
                             "--plan", plan, "--bar", "6000", "--kerf", "4"},
                            list);
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string text = ReadWholeFile(plan);
  const std::map<std::string, std::string> values = Labelled(text);
  EXPECT_EQ(values.at("成品总长"), "10451.66");  // 4 x 1626.03 + 2 x 1973.77
  EXPECT_NE(text.find("(A)"), std::string::npos);
  EXPECT_NE(text.find("(B)"), std::string::npos);
  EXPECT_EQ(values.at("最优"), "已证明");
}

// A list naming each line's head: the sheet names the shape once, and the
// plan cuts identical parts as one piece whatever lines list them.
TEST(SheetCli, GroupsIdenticalHeadsOnTheSheetAndTheSaw) {
  ScratchFolder scratch;
  const std::string sheet = (scratch.path() / "list.csv").string();
  const std::string plan = (scratch.path() / "plan.txt").string();
  const std::string list =
      "编号,拱形,跨度,拱高,数量\nC1,弓形,1200,300,4\nC3,半圆,900,,3\nC7,弓形,1200,300,2\n";
  const CliRun run = Invoke({"--batch", "--profile", "70", "--face", "outer", "--sheet", sheet,
                             "--plan", plan, "--bar", "6000"},
                            list);
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> header = Cells(Lines(ReadWholeFile(sheet).substr(3))[0]);
  EXPECT_EQ(std::count(header.begin(), header.end(), "拱形"), 1);
  const std::string text = ReadWholeFile(plan);
  EXPECT_NE(text.find("(C1, C7)"), std::string::npos) << text;
  EXPECT_EQ(text.find("(C1)"), std::string::npos) << text;
}

TEST(SheetCli, PlansAPlainListOfPiecesToStandardOutput) {
  ScratchFolder scratch;
  const std::string pieces = (scratch.path() / "pieces.txt").string();
  {
    std::ofstream file(pieces);
    file << "长度\t数量\t编号\n2200\t20\tA\n1520\t25\tB\n";
  }
  const CliRun run = Invoke({"--plan-from", pieces, "--bar", "6000", "--kerf", "3", "--plan", "-"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::map<std::string, std::string> values = Labelled(run.out);
  EXPECT_EQ(values.at("成品总长"), "82000");
  EXPECT_EQ(values.at("新料根数"), "6000\t15");
}

// Lists and saw rules no plan can be made of: a reason, the option's or the
// line's, and no plan.
TEST(SheetCli, RefusesWhatNoPlanCanBeMadeOf) {
  ScratchFolder scratch;
  const std::string pieces = (scratch.path() / "pieces.txt").string();
  {
    std::ofstream file(pieces);
    file << "2200\t2\n7000\t1\n";
  }
  const struct {
    std::vector<std::string_view> args;
    int status;
    const char* reason;
  } cases[] = {
      {{"--plan-from", pieces, "--bar", "6000", "--plan", "-"}, 1, "第 2 行"},
      {{"--plan-from", pieces, "--bar", "6000", "--kerf", "NaN", "--plan", "-"}, 2, "--kerf"},
      {{"--plan-from", pieces, "--bar", "0", "--plan", "-"}, 1, ""},
      {{"--plan-from", pieces, "--bar", "8000", "--kerf", "-3", "--plan", "-"}, 1, ""},
      {{"--plan-from", pieces, "--plan", "-"}, 2, "--bar"},
      {{"--plan", "plan.txt", "--bar", "6000", "--chord", "100", "--height", "10"}, 2, "--batch"},
      {{"--plan-from", pieces, "--bar", "6000", "--plan", "plan.doc"}, 2, ".txt"},
      {{"--kerf", "3", "--chord", "100", "--height", "10"}, 2, "--plan"},
  };
  for (const auto& c : cases) {
    const CliRun run = Invoke(c.args);
    EXPECT_EQ(run.status, c.status) << c.args[c.args.size() - 3] << ": " << run.err;
    EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "") << run.err;
  }
}

}  // namespace
}  // namespace segcalc

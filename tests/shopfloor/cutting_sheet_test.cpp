// The cutting sheet's totals: parts counted by their quantity, identical
// parts grouped, and a group's lines and marks listed as a cell can hold.
#include "shopfloor/cutting_sheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace segcalc {
namespace {

SheetRow Row(long line, std::string mark, long long quantity, std::optional<double> cut,
             std::string group) {
  SheetRow row;
  row.line = line;
  row.mark = std::move(mark);
  row.quantity = quantity;
  row.outcome = cut ? "已解" : "无解";
  row.cut_length = cut;
  row.group = std::move(group);
  return row;
}

TEST(CuttingSheet, CountsPartsByQuantityAndGroupsIdenticalOnes) {
  CuttingSheet sheet;
  sheet.rows = {Row(2, "C1", 4, 1626.03, "a"), Row(3, "C2", 2, 1973.77, "b"),
                Row(4, "", 1, std::nullopt, ""), Row(5, "C10", 3, 1626.03, "a"),
                Row(6, "C1", 1, 1626.03, "a")};
  const SheetTotals totals = TotalsOf(sheet);
  EXPECT_EQ(totals.lines, 5);
  EXPECT_EQ(totals.without_part, 1);
  EXPECT_EQ(totals.parts, 10);
  EXPECT_DOUBLE_EQ(totals.cut_length, 8 * 1626.03 + 2 * 1973.77);
  ASSERT_EQ(totals.groups.size(), 2u);
  EXPECT_EQ(totals.groups[0].quantity, 8);
  EXPECT_EQ(GroupLines(totals.groups[0]), "2, 5, 6");
  // C1 once, and not taken for part of C10.
  EXPECT_EQ(GroupMarks(totals.groups[0]), "C1, C10");
  EXPECT_EQ(totals.groups[1].first->line, 3);
}

// A long list of one part: the first lines and marks, then how many.
TEST(CuttingSheet, ListsAGroupUpToItsLimit) {
  SheetGroup group;
  for (long line = 1; line <= 100000; ++line) {
    group.lines.push_back(line);
    group.marks.push_back(std::string("M").append(std::to_string(line % 5)));
  }
  EXPECT_EQ(GroupLines(group, 3), "1, 2, 3, … 共 100000 行");
  EXPECT_EQ(GroupMarks(group, 3), "M1, M2, M3, … 共 5 个编号");
  EXPECT_EQ(GroupMarks(group, 5), "M1, M2, M3, M4, M0");
  EXPECT_LT(GroupLines(group).size(), 120u);
}

TEST(CuttingSheet, NamesEachOutcomeInWords) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"solved", "已解"},           {"no-solution", "无解"},
      {"incomplete", "不完整"},     {"conversion-error", "数字无效"},
      {"arithmetic-error", "溢出"}, {"invalid-line", "无效"}};
  for (const auto& [token, word] : cases) EXPECT_EQ(OutcomeWord(token), word) << token;
}

}  // namespace
}  // namespace segcalc

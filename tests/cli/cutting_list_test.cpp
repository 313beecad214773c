// A cutting list as a shop writes it: its columns named in any order (unknown
// ones kept and echoed), CSV as a spreadsheet saves it, a quantity and a mark
// on each line, and the check and quantity fields refused with their reason.
#include "cli/cutting_list.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/batch.h"
#include "cli/shop_output.h"
#include "tests/support/text_lines.h"

namespace segcalc {
namespace {

using testing::Fields;
using testing::Lines;

const NumberSeparators kFullStop{".", ","};

// Through the columns segcalc-cli gives a list without options.
std::string Batch(const std::string& list, int expected_status = 0,
                  std::string* err_text = nullptr) {
  std::istringstream in(list);
  std::ostringstream out, err;
  const ColumnsFor columns = [](const ListLayout& layout) {
    return ShopBatchColumns({}, {}, kFullStop, layout);
  };
  EXPECT_EQ(RunBatch(in, out, err, kFullStop, 1, columns), expected_status) << err.str();
  if (err_text) *err_text = err.str();
  return out.str();
}

TEST(CuttingList, ReadsHowTheListIsWrittenFromItsFirstLine) {
  const struct {
    const char* first;
    char separator;
    bool named;
    std::vector<ListColumn> columns;
  } cases[] = {
      {"2491.78\t2067.63\t", '\t', false, {}},
      {"弧长\t弦长\t弦高\t勾选",
       '\t',
       true,
       {ListColumn::Arc, ListColumn::Chord, ListColumn::Height, ListColumn::Check}},
      {"编号;数量;弦高;弦长",
       ';',
       true,
       {ListColumn::Mark, ListColumn::Quantity, ListColumn::Height, ListColumn::Chord}},
      {"\"件号\",\"备注, 客户\",弦长,弦高",
       ',',
       true,
       {ListColumn::Mark, ListColumn::Other, ListColumn::Chord, ListColumn::Height}},
      {"2491,78;2067,63;", ';', false, {}},
      {"arc,chord,height", ',', true, {ListColumn::Other, ListColumn::Other, ListColumn::Other}},
      {"拱形\t跨度\t拱高\t数量",
       '\t',
       true,
       {ListColumn::Shape, ListColumn::Span, ListColumn::Rise, ListColumn::Quantity}},
      {"８００\t\t１２０", '\t', false, {}},
  };
  for (const auto& c : cases) {
    const ListLayout layout = ReadListLayout(c.first);
    EXPECT_EQ(layout.separator, c.separator) << c.first;
    EXPECT_EQ(layout.named, c.named) << c.first;
    EXPECT_EQ(layout.columns, c.columns) << c.first;
  }
}

// Named columns in any order give the same results as the plain list; the
// mark, the quantity and the unknown column come back after the output's own.
TEST(CuttingList, NamedColumnsInAnyOrderAreEchoedAfterTheResults) {
  const std::string plain = Batch("\t1200\t300\n\t1500\t375\t0\n");
  const std::string named = Batch(
      "数量\t弦高\t客户\t编号\t弦长\t小于半圆\n4\t300\t张三\tW-01\t1200\t\n2\t375\t李四\tW-"
      "02\t1500\t0\n");
  const std::vector<std::string> plain_lines = Lines(plain), named_lines = Lines(named);
  ASSERT_EQ(named_lines.size(), 3u);
  EXPECT_EQ(Fields(named_lines[0]),
            (std::vector<std::string>{"结果", "弧长", "弦长", "弦高", "半径", "夹角", "数量",
                                      "客户", "编号"}));
  EXPECT_EQ(named_lines[1], plain_lines[0] + "\t4\t张三\tW-01");
  EXPECT_EQ(named_lines[2], plain_lines[1] + "\t2\t李四\tW-02");
}

// As Excel saves "CSV UTF-8": quoted fields, separators inside quotes,
// doubled quotes, semicolons where the decimal point is a comma.
TEST(CuttingList, ReadsCsvWithQuotesAndSemicolons) {
  const std::string tabs = Batch("弧长\t弦长\t弦高\n\t1200\t300\n2491.78\t2067.63\t\n");
  const std::string commas = Batch(
      "\"弧长\",\"弦长\",\"弦高\",\"备注\"\r\n,\"1200\",300,\"门, "
      "\"\"东\"\"\"\r\n2491.78,2067.63,,\r\n");
  const std::string semicolons = Batch("弧长;弦长;弦高\n;1200;300\n2491.78;2067.63;\n");
  const std::vector<std::string> expected = Lines(tabs);
  const std::vector<std::string> from_commas = Lines(commas);
  ASSERT_EQ(from_commas.size(), 3u);
  EXPECT_EQ(from_commas[1], expected[1] + "\t门, \"东\"");
  EXPECT_EQ(Lines(semicolons), expected);
  // A tab inside a CSV cell keeps the output's columns.
  const std::string tab_in_cells =
      Batch("弧长,弦长,弦高,备注\n,1200,300,门\t东\n,1200,300,\"门\t东\"\n");
  const std::vector<std::string> cells = Lines(tab_in_cells);
  ASSERT_EQ(cells.size(), 3u);
  EXPECT_EQ(cells[1], expected[1] + "\t门 东");
  EXPECT_EQ(cells[2], expected[1] + "\t门 东");
}

TEST(CuttingList, RefusesTheCheckAndTheQuantityWithTheirReasons) {
  std::string err;
  const std::string out = Batch(
      "编号\t弧长\t弦长\t弦高\t勾选\t数量\nA\t\t1200\t300\t2\t1\nB\t\t1200\t300\t1\t1000000000000\n"
      "C\t\t1200\t300\t1\t0\nD\t\t1200\t300\t1\t3\n",
      1, &err);
  const std::vector<std::string> lines = Lines(out);
  ASSERT_EQ(lines.size(), 5u);
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(Fields(lines[i])[0], "invalid-line") << lines[i];
  EXPECT_EQ(Fields(lines[4])[0], "solved");
  EXPECT_NE(err.find("第 2 行无效: 小于半圆(勾选)一栏只能是 1、0 或空"), std::string::npos) << err;
  EXPECT_NE(err.find("第 3 行无效: 数量一栏应为 1 到 1000000 之间的整数"), std::string::npos)
      << err;
  EXPECT_NE(err.find("第 4 行无效: 数量"), std::string::npos) << err;
  // Every line keeps the header's columns, an invalid one too.
  for (const std::string& line : lines) EXPECT_EQ(Fields(line).size(), Fields(lines[0]).size());
}

// A list that names each line's head: the 拱形 column, its span and rise.
TEST(CuttingList, NamesEachLinesHead) {
  std::string err;
  const std::string out = Batch(
      "拱形\t跨度\t拱高\t数量\n尖拱\t1000\t1200\t2\n半圆\t900\t\t1\n\t1200\t300\t3\n", 0, &err);
  const std::vector<std::string> lines = Lines(out);
  ASSERT_EQ(lines.size(), 4u) << err;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    EXPECT_EQ(Fields(lines[i])[0], "solved") << lines[i] << err;
    EXPECT_EQ(Fields(lines[i]).size(), Fields(lines[0]).size());
  }
  const std::vector<std::string> header = Fields(lines[0]);
  const auto column = [&](const std::string& name, std::size_t line) {
    return Fields(lines[line])[std::find(header.begin(), header.end(), name) - header.begin()];
  };
  EXPECT_EQ(column("拱形", 1), "尖拱");
  EXPECT_EQ(column("拱形", 3), "弓形");
  EXPECT_EQ(column("拱高", 2), "450");
}

}  // namespace
}  // namespace segcalc

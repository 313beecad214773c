#include "geometry/barplan/piece_list_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace segcalc::barplan {
namespace {

const NumberSeparators kFullStop{".", ","};
const NumberSeparators kComma{",", "."};

struct ListCase {
  const char* name;
  std::string text;
  NumberSeparators separators;
  std::vector<PieceLine> pieces;
};

TEST(PieceListText, ReadsRowsAsASpreadsheetSavesThem) {
  const ListCase cases[] = {
      {"plain", "1380\t22\n1520\t25\tW2\n", kFullStop, {{1380, 22, "", 1}, {1520, 25, "W2", 2}}},
      {"header_bom_crlf_blanks",
       "\xef\xbb\xbf长度\t数量\t标记\r\n\r\n 1200.5 \t 3 \t 门框 左 \r\n",
       kFullStop,
       {{1200.5, 3, "门框 左", 3}}},
      {"trailing_empty_cells", "900\t2\t\t\t\n", kFullStop, {{900, 2, "", 1}}},
      {"user_decimal_comma", "1200,5\t3\n", kComma, {{1200.5, 3, "", 1}}},
      {"whole_count_written_with_a_point", "800\t4.0\n", kFullStop, {{800, 4, "", 1}}},
      {"full_width_digits", "\uff18\uff10\uff10\t\uff12\n", kFullStop, {{800, 2, "", 1}}},
  };
  for (const ListCase& c : cases) {
    const Checked<std::vector<PieceLine>> read = ReadPieceList(c.text, c.separators);
    ASSERT_TRUE(read.ok()) << c.name << ": " << read.error;
    ASSERT_EQ(read.value->size(), c.pieces.size()) << c.name;
    for (std::size_t i = 0; i < c.pieces.size(); ++i) {
      const PieceLine& got = (*read.value)[i];
      EXPECT_EQ(got.length, c.pieces[i].length) << c.name;
      EXPECT_EQ(got.quantity, c.pieces[i].quantity) << c.name;
      EXPECT_EQ(got.mark, c.pieces[i].mark) << c.name;
      EXPECT_EQ(got.line, c.pieces[i].line) << c.name;
    }
  }
}

TEST(PieceListText, NamesTheBadLine) {
  const struct {
    std::string text;
    const char* reason_has;
  } cases[] = {
      {"1380\t2\n1520\tx\n", "第 2 行的数量"},
      {"1380\t2\n1520\t2.5\n", "第 2 行的数量"},
      {"1380\t0\n", "第 1 行的数量"},
      {"1380\t-1\n", "第 1 行的数量"},
      {"1380\t1e12\n", "第 1 行的数量太大"},
      {"1380\t600000\n900\t600000\n", "第 2 行:零件太多"},
      {"0\t2\n", "第 1 行的长度"},
      {"1380\t1\nnan\t2\n", "第 2 行的长度"},
      {"-5\t2\n", "第 1 行的长度"},
      {"1380\n", "第 1 行应为"},
      {"1380\t2\tA\tB\n", "第 1 行应为"},
      {"长度\t数量\n12,5\t2\n", "第 2 行"},  // a comma under the full stop
      {"1,380\t2\n", "第 1 行"},             // no thousands separators
      {"", "没有零件"},
      {"长度\t数量\n\n", "没有零件"},
  };
  for (const auto& c : cases) {
    const Checked<std::vector<PieceLine>> read = ReadPieceList(c.text, kFullStop);
    EXPECT_FALSE(read.ok()) << c.text;
    EXPECT_NE(read.error.find(c.reason_has), std::string::npos) << c.text << " -> " << read.error;
  }
}

TEST(PieceListText, ReadsTheRackAndItsCounts) {
  const Checked<std::vector<RackLine>> rack =
      ReadRackList("长度\t根数\n2500\t3\r\n1800.5\t0\n", kFullStop);
  ASSERT_TRUE(rack.ok()) << rack.error;
  ASSERT_EQ(rack.value->size(), 2u);
  EXPECT_EQ((*rack.value)[0].length, 2500);
  EXPECT_EQ((*rack.value)[0].count, 3);
  EXPECT_EQ((*rack.value)[1].line, 3u);
  for (const char* bad : {"2500\t-1\n", "2500\t1.5\n", "2500\n", "2500\t1\tx\n", "0\t1\n"}) {
    const Checked<std::vector<RackLine>> read = ReadRackList(bad, kFullStop);
    EXPECT_FALSE(read.ok()) << bad;
    EXPECT_NE(read.error.find("第 1 行"), std::string::npos) << bad << " -> " << read.error;
  }
}

}  // namespace
}  // namespace segcalc::barplan

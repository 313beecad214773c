#include "geometry/points_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace segcalc {
namespace {

struct PointsCase {
  const char* name;
  std::string text;
  NumberSeparators separators;
  std::vector<PlanePoint> points;
};

TEST(PointsText, ReadsTabSeparatedLinesAsTheyComeFromTheShop) {
  const NumberSeparators full_stop{".", ","};
  const NumberSeparators comma{",", "."};
  const PointsCase cases[] = {
      {"plain", "1\t2\n3.5\t-4\n", full_stop, {{1, 2}, {3.5, -4}}},
      {"no_final_newline", "1\t2", full_stop, {{1, 2}}},
      {"crlf_bom_and_blanks",
       "\xef\xbb\xbf 1 \t 2 \r\n\r\n  \n\t\n3\t4\r\n",
       full_stop,
       {{1, 2}, {3, 4}}},
      {"user_decimal_comma", "1,5\t2.25\n", comma, {{1.5, 2.25}}},
      {"exponent", "1e3\t-2.5E-1\n", full_stop, {{1000, -0.25}}},
      {"full_width_digits", "\uff11\uff12\t\uff13\n", full_stop, {{12, 3}}},
  };
  for (const PointsCase& c : cases) {
    const Checked<std::vector<PlanePoint>> read = ReadPoints(c.text, c.separators);
    ASSERT_TRUE(read.ok()) << c.name << ": " << read.error;
    ASSERT_EQ(read.value->size(), c.points.size()) << c.name;
    for (std::size_t i = 0; i < c.points.size(); ++i) {
      EXPECT_EQ((*read.value)[i].x, c.points[i].x) << c.name;
      EXPECT_EQ((*read.value)[i].y, c.points[i].y) << c.name;
    }
  }
}

TEST(PointsText, NamesTheBadLine) {
  const struct {
    std::string text;
    const char* reason_has;
  } cases[] = {
      {"1\t2\n3\t4\nx\t5\n", "第 3 行"},
      {"1\t2\n\n3 4\n", "第 3 行"},  // blank, not tab, between the fields
      {"1\t2\t3\n", "第 1 行"},      // three fields
      {"1\t\n", "第 1 行"},          // no y
      {"1,5\t2\n", "第 1 行"},       // a comma under the full-stop locale
      {"1\tnan\n", "第 1 行"},
      {"1\t1e400\n", "第 1 行"},
      {"\r\n\n1\t1e300\n", "第 3 行"},  // beyond any coordinate a fit takes
      {"1,000\t2\n", "第 1 行"},        // no thousands separators
      {"", "没有测点"},
      {"\xef\xbb\xbf\n \n", "没有测点"},
  };
  for (const auto& c : cases) {
    const Checked<std::vector<PlanePoint>> read = ReadPoints(c.text, {".", ","});
    EXPECT_FALSE(read.ok()) << c.text;
    EXPECT_NE(read.error.find(c.reason_has), std::string::npos) << c.text << ": " << read.error;
  }
}

TEST(PointsText, RefusesMoreLinesThanAFitTakes) {
  std::string text;
  for (std::size_t i = 0; i < kMaxFitPoints; ++i) text += "1\t2\n";
  EXPECT_TRUE(ReadPoints(text, {}).ok());
  text += "1\t2\n";
  const Checked<std::vector<PlanePoint>> read = ReadPoints(text, {});
  EXPECT_FALSE(read.ok());
  EXPECT_FALSE(read.error.empty());
}

}  // namespace
}  // namespace segcalc

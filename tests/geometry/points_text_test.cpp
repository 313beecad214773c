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
      // Other separators, as other programs and people write them.
      {"blanks", "1 2\n3.5   -4\n", full_stop, {{1, 2}, {3.5, -4}}},
      {"commas", "1,2\n3.5, -4\n-1 ,1e1\n", full_stop, {{1, 2}, {3.5, -4}, {-1, 10}}},
      {"semicolons", "1;2\n3.5 ; -4\n", full_stop, {{1, 2}, {3.5, -4}}},
      {"input_method_forms",
       "\uff11\uff12\uff0c\uff18\uff10\n1\uff1b2\n3\u30004\n",
       full_stop,
       {{12, 80}, {1, 2}, {3, 4}}},
      // A comma locale: the comma in a number is its decimal point, and
      // separates the two only where nothing else does.
      {"comma_locale_semicolon", "12,5;80,3\n", comma, {{12.5, 80.3}}},
      {"comma_locale_tab", "12,5\t80,3\n", comma, {{12.5, 80.3}}},
      {"comma_locale_blanks", "12,5 80,3\n12,5, 80,3\n", comma, {{12.5, 80.3}, {12.5, 80.3}}},
      {"comma_locale_one_comma", "12,80\n12.5,80.3\n", comma, {{12, 80}, {12.5, 80.3}}},
      // A header row: the first line, if it holds no digit.
      {"header_tab", "x\ty\n1\t2\n", full_stop, {{1, 2}}},
      {"header_after_bom_and_empty_lines",
       "\xef\xbb\xbf\r\n \r\n距离,高度\r\n1,2\r\n",
       full_stop,
       {{1, 2}}},
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
      {"1\t2\n\n3 4 5\n", "第 3 行"},  // three fields between blanks
      {"1\t2\t3\n", "第 1 行"},        // three fields
      {"1\t\n", "第 1 行"},            // no y
      {"1,5\t2\n", "第 1 行"},         // a comma under the full-stop locale
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

// Lines that are not two numbers by any of the separators, or read two ways.
TEST(PointsText, RefusesWhatIsNotOnePoint) {
  const struct {
    const char* name;
    std::string text;
    NumberSeparators separators;
    const char* reason_has;
  } cases[] = {
      {"comma_locale_reads_two_ways", "12,5,80,3\n", {",", "."}, "第 1 行的逗号"},
      {"three_by_commas", "1,2,3\n", {".", ","}, "第 1 行"},
      {"two_commas_between", "1, ,2\n", {".", ","}, "第 1 行"},
      {"no_y_after_the_comma", "12 ,\n", {".", ","}, "第 1 行"},
      {"decimal_comma_under_full_stops", "1,5 2\n", {".", ","}, "第 1 行"},
      {"mixed_tab_and_semicolon", "1\t2;3\n", {".", ","}, "第 1 行"},
      {"only_the_first_line_is_a_header", "x\ty\nu\tv\n", {".", ","}, "第 2 行"},
      {"header_alone", "x\ty\n\n", {".", ","}, "没有测点"},
  };
  for (const auto& c : cases) {
    const Checked<std::vector<PlanePoint>> read = ReadPoints(c.text, c.separators);
    EXPECT_FALSE(read.ok()) << c.name;
    EXPECT_NE(read.error.find(c.reason_has), std::string::npos) << c.name << ": " << read.error;
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

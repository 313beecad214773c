#include "geometry/option_numbers.h"

#include <gtest/gtest.h>

#include <string>

namespace segcalc {
namespace {

TEST(OptionNumbers, ReadTheFullStopWhateverTheLocaleAndRefuseTheRest) {
  EXPECT_EQ(ReadOptionNumber(" 450.5 ").value, 450.5);
  EXPECT_EQ(ReadOptionNumber("-2e3").value, -2000);
  EXPECT_EQ(ReadOptionNumber("1e15").value, 1e15);
  for (const char* text : {"", "  ", "450,5", "1.2.3", "nan", "inf", "1e308", "-1e16", "1e999",
                           "0x10", "12mm", "1 000"}) {
    const Checked<double> number = ReadOptionNumber(text);
    EXPECT_FALSE(number.ok()) << text;
    EXPECT_FALSE(number.error.empty()) << text;
  }
}

TEST(OptionNumbers, ListsAndTails) {
  EXPECT_EQ(ReadOptionList("300, 450.5 ,450.5").value, (std::vector<double>{300, 450.5, 450.5}));
  for (const char* text : {"", "1,,2", ",1", "1,", "1,x"}) {
    EXPECT_FALSE(ReadOptionList(text).ok()) << text;
  }
  EXPECT_FALSE(ReadOptionList("1,2,3", 2).ok());
  std::string many = "1";
  for (int i = 0; i < 1'000'000; ++i) many += ",1";
  EXPECT_FALSE(ReadOptionList(many).ok());

  const Checked<Tails> both = ReadTails("50");
  ASSERT_TRUE(both.ok());
  EXPECT_EQ(both.value->a, 50);
  EXPECT_EQ(both.value->b, 50);
  const Checked<Tails> two = ReadTails("40\uff0c60");  // a full-width comma
  ASSERT_TRUE(two.ok()) << two.error;
  EXPECT_EQ(two.value->a, 40);
  EXPECT_EQ(two.value->b, 60);
  for (const char* text : {"-1", "10,-1", "1,2,3", "", "nan,1"}) {
    EXPECT_FALSE(ReadTails(text).ok()) << text;
  }
}

}  // namespace
}  // namespace segcalc

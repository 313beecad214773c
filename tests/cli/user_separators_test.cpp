#include "platform/user_separators.h"

#include <gtest/gtest.h>

namespace segcalc {
namespace {

TEST(NumericLocaleName, FirstSetVariableWins) {
  EXPECT_EQ(NumericLocaleName("de_DE.UTF-8", "fr_FR.UTF-8", "en_US.UTF-8"), "de_DE.UTF-8");
  EXPECT_EQ(NumericLocaleName("", "fr_FR.UTF-8", "en_US.UTF-8"), "fr_FR.UTF-8");
  EXPECT_EQ(NumericLocaleName(nullptr, nullptr, "zh_CN.UTF-8"), "zh_CN.UTF-8");
  EXPECT_EQ(NumericLocaleName(nullptr, "", ""), "C");
}

TEST(SeparatorsOfLocale, CLocaleAndUnknownLocale) {
  const NumberSeparators c = SeparatorsOfLocale("C");
  EXPECT_EQ(c.decimal, ".");
  EXPECT_EQ(c.thousands, "");
  const NumberSeparators unknown = SeparatorsOfLocale("xx_NOWHERE.UTF-8");
  EXPECT_EQ(unknown.decimal, ".");
  EXPECT_EQ(unknown.thousands, ",");
}

}  // namespace
}  // namespace segcalc

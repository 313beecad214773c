// What both windows rely on when they build themselves from the design.
#include "window/form_design.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace segcalc {
namespace {

bool Inside(const TwipRect& rect) {
  return rect.left >= 0 && rect.top >= 0 && rect.width > 0 && rect.height > 0 &&
         rect.left + rect.width <= kClientWidthTwips &&
         rect.top + rect.height <= kClientHeightTwips;
}

bool Overlap(const TwipRect& a, const TwipRect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

TEST(FormDesign, EveryControlOnceInsideTheClientAreaAndApart) {
  std::set<FormControl> seen;
  const auto controls = FormControls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const ControlDesign& design = controls[i];
    EXPECT_TRUE(seen.insert(design.control).second) << i;
    EXPECT_TRUE(Inside(design.rect)) << i;
    for (std::size_t j = 0; j < i; ++j) {
      EXPECT_FALSE(Overlap(design.rect, controls[j].rect)) << i << " and " << j;
    }
    EXPECT_EQ(design.caption.empty(), design.kind == ControlKind::TextBox) << i;
  }
  EXPECT_EQ(seen.size(), kFormControlCount);
}

// The windows name a box by the label made just before it and tab through
// the boxes in the order of their quantities.
TEST(FormDesign, EachBoxAfterTheLabelOfItsQuantityInQuantityOrder) {
  const auto controls = FormControls();
  std::size_t next = 0;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].kind != ControlKind::TextBox) continue;
    ASSERT_TRUE(controls[i].quantity.has_value()) << i;
    const Quantity box = *controls[i].quantity;
    ASSERT_LT(next, kQuantities.size());
    EXPECT_EQ(box, kQuantities[next++]);
    EXPECT_EQ(controls[i].control, TextBoxOf(box));
    ASSERT_GT(i, 0u);
    EXPECT_EQ(controls[i - 1].kind, ControlKind::Label);
    EXPECT_EQ(controls[i - 1].quantity, box);
    EXPECT_EQ(controls[i - 1].caption, QuantityLabel(box));
  }
  EXPECT_EQ(next, kQuantities.size());
}

TEST(FormDesign, TheSeparatorLineRunsAcrossTheClientArea) {
  EXPECT_LT(kSeparatorLine.left, kSeparatorLine.right);
  EXPECT_LE(kSeparatorLine.right, kClientWidthTwips);
  for (const ControlDesign& design : FormControls()) {
    const bool crossed = design.rect.top <= kSeparatorLine.top &&
                         design.rect.top + design.rect.height > kSeparatorLine.top;
    EXPECT_FALSE(crossed) << std::string(design.caption);
  }
}

}  // namespace
}  // namespace segcalc

#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "calc/compute_request.h"

namespace segcalc {

// The five text boxes, Text1 to Text5. The window shows them in this order,
// and so do the single compute and every batch line of segcalc-cli.
enum class TextBox { Arc, Chord, Height, Radius, Angle };
inline constexpr int kTextBoxCount = 5;
inline constexpr std::array<TextBox, kTextBoxCount> kTextBoxes = {
    TextBox::Arc, TextBox::Chord, TextBox::Height, TextBox::Radius, TextBox::Angle};

// The five texts, indexed by BoxIndex.
using BoxTexts = std::array<std::string, kTextBoxCount>;

constexpr std::size_t BoxIndex(TextBox box) {
  return static_cast<std::size_t>(box);
}

// The measurement box among the five.
TextBox BoxOf(MeasurementBox box);

// The label beside a box: 弧长, 弦长, 弦高, 半径, 夹角.
std::string_view BoxLabel(TextBox box);

// What a solve writes: the angle, then the radius, then the missing
// measurement. The two given boxes keep their texts as typed.
void WriteResultTexts(const ResultTexts& texts, BoxTexts& boxes);

}  // namespace segcalc

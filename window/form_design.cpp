#include "window/form_design.h"

#include <array>

namespace segcalc {
namespace {

ControlDesign LabelOf(FormControl control, Quantity quantity, TwipRect rect) {
  return {control, ControlKind::Label, rect, FontSize::Control, QuantityLabel(quantity), quantity};
}

ControlDesign BoxOf(FormControl control, Quantity quantity, TwipRect rect) {
  return {control, ControlKind::TextBox, rect, FontSize::Window, {}, quantity};
}

// Built at first use: QuantityLabel is not a constant expression.
std::array<ControlDesign, kFormControlCount> BuildFormControls() {
  using enum FormControl;
  return {{
      LabelOf(Label1, Quantity::Arc, {360, 405, 420, 210}),
      BoxOf(Text1, Quantity::Arc, {840, 360, 850, 300}),
      LabelOf(Label2, Quantity::Chord, {2040, 405, 420, 210}),
      BoxOf(Text2, Quantity::Chord, {2520, 360, 850, 300}),
      LabelOf(Label3, Quantity::Height, {3720, 405, 420, 210}),
      BoxOf(Text3, Quantity::Height, {4200, 360, 850, 300}),
      LabelOf(Label4, Quantity::Radius, {360, 885, 420, 210}),
      BoxOf(Text4, Quantity::Radius, {840, 840, 850, 300}),
      LabelOf(Label5, Quantity::Angle, {2040, 885, 420, 210}),
      BoxOf(Text5, Quantity::Angle, {2520, 840, 850, 300}),
      {Label6,
       ControlKind::Label,
       {360, 1440, 3870, 180},
       FontSize::Window,
       "填入弧长,弦长,弦高中任意二项可求出其它三项!",
       std::nullopt},
      {Command1,
       ControlKind::Button,
       {2160, 1800, 975, 330},
       FontSize::Control,
       "确 定",
       std::nullopt},
      {Command2,
       ControlKind::Button,
       {4320, 1800, 975, 330},
       FontSize::Control,
       "关 闭",
       std::nullopt},
      {Check1,
       ControlKind::CheckBox,
       {3720, 863, 1335, 255},
       FontSize::Window,
       "小于半圆",
       std::nullopt},
      {Command3,
       ControlKind::Button,
       {3240, 1800, 975, 330},
       FontSize::Control,
       "关 于",
       std::nullopt},
  }};
}

}  // namespace

std::span<const ControlDesign> FormControls() {
  static const std::array<ControlDesign, kFormControlCount> controls = BuildFormControls();
  return controls;
}

FormControl TextBoxOf(Quantity quantity) {
  constexpr FormControl kBoxes[] = {FormControl::Text1, FormControl::Text2, FormControl::Text3,
                                    FormControl::Text4, FormControl::Text5};
  return kBoxes[QuantityIndex(quantity)];
}

}  // namespace segcalc

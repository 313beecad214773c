#include "calc/result_boxes.h"

namespace segcalc {

TextBox BoxOf(MeasurementBox box) {
  switch (box) {
    case MeasurementBox::Arc:
      return TextBox::Arc;
    case MeasurementBox::Chord:
      return TextBox::Chord;
    case MeasurementBox::Height:
      return TextBox::Height;
  }
  return TextBox::Height;
}

std::string_view BoxLabel(TextBox box) {
  switch (box) {
    case TextBox::Arc:
      return "弧长";
    case TextBox::Chord:
      return "弦长";
    case TextBox::Height:
      return "弦高";
    case TextBox::Radius:
      return "半径";
    case TextBox::Angle:
      return "夹角";
  }
  return {};
}

void WriteResultTexts(const ResultTexts& texts, BoxTexts& boxes) {
  boxes[BoxIndex(TextBox::Angle)] = texts.angle;
  boxes[BoxIndex(TextBox::Radius)] = texts.radius;
  boxes[BoxIndex(BoxOf(texts.missing_box))] = texts.missing;
}

}  // namespace segcalc

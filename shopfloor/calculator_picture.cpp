#include "shopfloor/calculator_picture.h"

#include <algorithm>

#include "shopfloor/part_drawing.h"
#include "shopfloor/part_picture.h"

namespace segcalc {

std::string CalculatorPictureSvg(const ComputeRecord& record, const OutputFormat& format,
                                 double width, double height) {
  if (!record.exact.segment) return {};
  const ExactSegment& exact = *record.exact.segment;
  const std::optional<ExactSegment> mine = record.CalculatorValues();
  // The calculator's digits as its box shows them, and the exact ones where
  // they differ at the places shown.
  const auto word = [&](Quantity quantity) {
    const std::string label(QuantityLabel(quantity));
    const char* degrees = quantity == Quantity::Angle ? "°" : "";
    const std::string exact_text = format.Value(quantity, ValueOf(exact, quantity)) + degrees;
    if (!mine) return label + " " + exact_text;
    const std::string shown = std::string(record.BoxText(quantity)) + degrees;
    const bool differs = format.Value(quantity, ValueOf(*mine, quantity)) + degrees != exact_text;
    return label + " " + shown + (differs ? "(精确 " + exact_text + ")" : "");
  };
  // The segment alone: no ordinates were asked for.
  PartDrawing drawing = DrawPart(MakePart(exact, {}), format);
  std::erase_if(drawing.lines,
                [](const DrawnLine& line) { return line.layer == DrawingLayer::Ordinates; });
  drawing.labels.clear();
  PictureWords words;
  words.across = word(Quantity::Chord);
  words.rise = word(Quantity::Height);
  words.along = word(Quantity::Arc);
  words.summary = word(Quantity::Radius) + "," + word(Quantity::Angle);
  words.aside = mine ? "" : "(真 π 下的圆弧)";
  return PictureSvg(drawing, words, {}, width, height, "segment-picture");
}

}  // namespace segcalc

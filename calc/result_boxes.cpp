#include "calc/result_boxes.h"

namespace segcalc {

std::string_view BoxAfter(const ComputeOutcome& outcome, Quantity box, std::string_view before) {
  if (!outcome.texts) return before;
  if (box == Quantity::Angle) return outcome.texts->angle;
  if (box == Quantity::Radius) return outcome.texts->radius;
  if (box == outcome.given->missing) return outcome.texts->missing;
  return before;
}

void WriteResultTexts(const ComputeOutcome& outcome, BoxTexts& boxes) {
  if (!outcome.texts) return;
  for (const Quantity box : {Quantity::Angle, Quantity::Radius, outcome.given->missing}) {
    std::string& text = boxes[QuantityIndex(box)];
    text = BoxAfter(outcome, box, text);
  }
}

}  // namespace segcalc

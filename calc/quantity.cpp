#include "calc/quantity.h"

namespace segcalc {

std::string_view QuantityLabel(Quantity quantity) {
  switch (quantity) {
    case Quantity::Arc:
      return "弧长";
    case Quantity::Chord:
      return "弦长";
    case Quantity::Height:
      return "弦高";
    case Quantity::Radius:
      return "半径";
    case Quantity::Angle:
      return "夹角";
  }
  return {};
}

}  // namespace segcalc

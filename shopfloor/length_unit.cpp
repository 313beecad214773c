#include "shopfloor/length_unit.h"

namespace segcalc {

std::optional<LengthUnit> ParseLengthUnit(std::string_view text) {
  if (text == "mm") return LengthUnit::Millimetre;
  if (text == "cm") return LengthUnit::Centimetre;
  if (text == "m") return LengthUnit::Metre;
  if (text == "in") return LengthUnit::Inch;
  return std::nullopt;
}

std::string_view UnitSymbol(LengthUnit unit) {
  switch (unit) {
    case LengthUnit::Millimetre:
      return "mm";
    case LengthUnit::Centimetre:
      return "cm";
    case LengthUnit::Metre:
      return "m";
    case LengthUnit::Inch:
      return "in";
  }
  return "mm";
}

double MillimetresPer(LengthUnit unit) {
  switch (unit) {
    case LengthUnit::Millimetre:
      return 1;
    case LengthUnit::Centimetre:
      return 10;
    case LengthUnit::Metre:
      return 1000;
    case LengthUnit::Inch:
      return 25.4;
  }
  return 1;
}

}  // namespace segcalc

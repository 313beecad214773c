#include "shopfloor/output_format.h"

#include <cmath>

namespace segcalc {
namespace {

// Every power of ten up to 1e15 is a double exactly.
constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

}  // namespace

double RoundToPlaces(double value, int places) {
  if (places == 2) return RoundHalfEven2(value);
  const double scale = kPowersOfTen[places < 0 ? 0 : places > 15 ? 15 : places];
  const double scaled = value * scale;
  // Beyond the range a double holds no fraction anyway.
  if (!std::isfinite(scaled)) return value;
  return std::nearbyint(scaled) / scale;
}

int LengthPlaces(LengthUnit unit) {
  switch (unit) {
    case LengthUnit::Millimetre:
      return 2;
    case LengthUnit::Centimetre:
      return 3;
    case LengthUnit::Metre:
      return 5;
    case LengthUnit::Inch:
      return 4;
  }
  return 2;
}

std::string OutputFormat::Length(double value) const {
  return FormatNumber(ShownLength(value), separators);
}

double OutputFormat::ShownLength(double value) const {
  return RoundToPlaces(value, LengthPlaces(unit));
}

std::string OutputFormat::Angle(double value) const {
  return FormatTwoPlaces(value, separators);
}

// A square of 0.01 mm on a side is 1e-4 mm²: twice the places, less two.
std::string OutputFormat::Area(double value) const {
  return FormatNumber(RoundToPlaces(value, 2 * LengthPlaces(unit) - 2), separators);
}

std::string OutputFormat::Value(Quantity quantity, double value) const {
  return quantity == Quantity::Angle ? Angle(value) : Length(value);
}

}  // namespace segcalc

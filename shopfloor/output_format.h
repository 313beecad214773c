#pragma once

#include <string>

#include "calc/number_text.h"
#include "calc/quantity.h"
#include "shopfloor/length_unit.h"
#include "shopfloor/sheet_paper.h"

namespace segcalc {

// How the outputs of a compute are written: the unit the measurements were
// typed in, and the separators numbers are shown with. The exact geometry is
// shown to 0.01 mm whatever the unit (two places in mm, three in cm, five in
// m, four in inches), angles to 0.01 degree, areas to 0.01 mm²; the
// calculator's own results keep its two places. The report prints its
// full-size sheets as `sheets` says; no other output looks at it.
struct OutputFormat {
  LengthUnit unit = LengthUnit::Millimetre;
  NumberSeparators separators;
  SheetSetup sheets{};

  std::string Length(double value) const;
  // A length rounded as Length shows it: what a sheet adds up and the saw
  // cuts, so that totals and plans agree with the lengths on the sheet.
  double ShownLength(double value) const;
  std::string Angle(double value) const;
  std::string Area(double value) const;
  // A length, or the angle for Quantity::Angle.
  std::string Value(Quantity quantity, double value) const;
};

// Rounded to `places` decimals (0 to 15) as the calculator rounds to two: the
// product by the power of ten rounded to nearest, ties to even, then divided.
double RoundToPlaces(double value, int places);

// The places that make 0.01 mm in the unit.
int LengthPlaces(LengthUnit unit);

}  // namespace segcalc

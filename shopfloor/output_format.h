#pragma once

#include "calc/number_text.h"
#include "shopfloor/length_unit.h"

namespace segcalc {

// How the outputs of a compute are written: the unit the measurements were
// typed in, and the separators numbers are shown with.
struct OutputFormat {
  LengthUnit unit = LengthUnit::Millimetre;
  NumberSeparators separators;
};

}  // namespace segcalc

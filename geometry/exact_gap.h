#pragma once

#include "calc/quantity.h"

namespace segcalc {

// Where the calculator's answer (pi taken as 3.14) is far enough from the
// exact one to mislead a shop: more than 0.5 % off and, for a length, more
// than 1 in the unit the measurements were typed in. A long flat arc takes the
// calculator's rule far off: an arc of 15000 over a chord of 14800 gives a
// height of 1130.85 against an exact 1055.7.
bool FarFromExact(Quantity quantity, double calculator, double exact);

}  // namespace segcalc

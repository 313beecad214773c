#pragma once

#include <string_view>

#include "calc/compute_request.h"
#include "calc/quantity.h"

namespace segcalc {

// The text a box holds after a compute: what the compute wrote into it, or
// else `before`, the text it held. A solve writes the angle, the radius and
// the missing measurement; the two given boxes keep their texts as typed.
std::string_view BoxAfter(const ComputeOutcome& outcome, Quantity box, std::string_view before);

// What a solve writes into the five boxes, in the window's order: the angle,
// then the radius, then the missing measurement.
void WriteResultTexts(const ComputeOutcome& outcome, BoxTexts& boxes);

}  // namespace segcalc

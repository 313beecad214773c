#pragma once

#include <string>

#include "geometry/compute_record.h"
#include "shopfloor/output_format.h"

namespace segcalc {

// The calculator's compute drawn: the exact circle of the two given
// numbers, to scale, with the calculator's arc, chord, height, radius and
// angle written on it and the exact value beside each that differs. A
// compute whose scan wrote nothing shows the exact circle's own values.
// Empty where no circle has the two numbers, or nothing was computed. The
// box is as PictureSvg takes it.
std::string CalculatorPictureSvg(const ComputeRecord& record, const OutputFormat& format,
                                 double width, double height);

}  // namespace segcalc

#pragma once

#include <emscripten/val.h>

#include <string>

#include "calc/number_text.h"
#include "geometry/compute_record.h"
#include "shopfloor/output_format.h"

namespace segcalc {

// The pictures the page shows, drawn into a box of the page's size in the
// pictures' units (PictureSvg): the calculator's last compute, kept here
// so that a resized page draws it again without computing, and the part
// of a 精确与放样 job, worked out once (JobOf).
void KeepCalculation(const ComputeRecord& record, const OutputFormat& format);
std::string CalculatorPicture(double width, double height);
std::string ExactPicture(const emscripten::val& job, const NumberSeparators& separators,
                         double width, double height);

}  // namespace segcalc

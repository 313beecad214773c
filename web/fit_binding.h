#pragma once

#include <emscripten/val.h>

#include <string>

#include "calc/number_text.h"

namespace segcalc {

// 校核: the circle through a bent piece's measured points, read as
// segcalc-cli --fit reads its file, with an optional target radius, in the
// unit named (mm, cm, m, in). Answers {error, values: [[label, text]] as
// --fit prints them, residuals: [[number, x, y, residual]] (the distance
// from the fitted circle, outside positive), picture: the points against
// the fitted and the target circle in a box of the given size}.
emscripten::val MeasuredFit(const std::string& text, const std::string& target,
                            const std::string& unit, double width, double height,
                            const NumberSeparators& separators);

}  // namespace segcalc

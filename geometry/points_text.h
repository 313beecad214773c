#pragma once

#include <string_view>
#include <vector>

#include "calc/number_text.h"
#include "geometry/checked.h"
#include "geometry/circle_fit.h"

namespace segcalc {

// A file of measured points: one "x<TAB>y" a line. Blanks around a field, a
// trailing CR, empty lines and a UTF-8 byte-order mark are allowed. The full
// stop is always a decimal point; so is the user's own decimal separator,
// since the tab, not a comma, separates the fields. Thousands separators are
// not read. A bad line is refused with its number; so is a file with no
// points, or with more than kMaxFitPoints.
Checked<std::vector<PlanePoint>> ReadPoints(std::string_view text,
                                            const NumberSeparators& separators);

}  // namespace segcalc

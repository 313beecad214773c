#pragma once

#include <string_view>
#include <vector>

#include "calc/number_text.h"
#include "geometry/checked.h"
#include "geometry/circle_fit.h"

namespace segcalc {

// A file of measured points: x and y, one point a line, as a spreadsheet or a
// person writes them. Between the two numbers stands, by the first rule the
// line fits:
//   1. a tab or a semicolon, where the line has one ("12.5;80.3");
//   2. else blanks, with at most one comma among them ("12.5 80.3",
//      "12.5, 80.3");
//   3. else the line's one comma ("12.5,80.3").
// A comma inside a number is the decimal separator where the user's is the
// comma, so in such a locale "12,5;80,3", "12,5<TAB>80,3" and "12,5 80,3" are
// 12.5 and 80.3, "12,80" is 12 and 80, and "12,5,80,3", which reads two ways,
// is refused. The full stop is always a decimal point; thousands separators
// are not read. A Chinese input method's full-width forms count as their ASCII
// ones ("１２，８０", "；"). A first line without a digit is a header row
// ("x<TAB>y", "距离,高度") and skipped. Blanks around a number, a trailing CR,
// empty lines and a UTF-8 byte-order mark are allowed. A bad line is refused
// with its number; so is a file with no points, or with more than
// kMaxFitPoints.
Checked<std::vector<PlanePoint>> ReadPoints(std::string_view text,
                                            const NumberSeparators& separators);

}  // namespace segcalc

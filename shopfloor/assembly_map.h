#pragma once

#include <string>
#include <vector>

#include "shopfloor/part_drawing.h"
#include "shopfloor/sheet_plan.h"

namespace segcalc {

// The map of the printed sheets: a small drawing of the arch under the grid
// of sheets, each with its label, R2-C3 for row 2, column 3, at most `width`
// mm wide. Where the whole grid at that width would leave the labels too
// small to read, the map is cut into pieces of whole columns and rows, each
// at most `height` mm tall, that keep them readable, each named by the
// columns and rows it shows. One HTML block per piece, in reading order.
std::vector<std::string> AssemblyMap(const PartDrawing& drawing, const SheetPlan& plan,
                                     double width, double height);

// The smallest label font the map keeps, in mm (7 points), and the largest.
inline constexpr double kMapReadableFontMm = 2.5;
inline constexpr double kMapLargestFontMm = 3;

}  // namespace segcalc

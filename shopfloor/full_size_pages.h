#pragma once

#include <iosfwd>
#include <string_view>
#include <vector>

#include "calc/number_text.h"
#include "geometry/exact_geometry.h"
#include "geometry/ordinates.h"
#include "shopfloor/output_format.h"
#include "shopfloor/tile_layout.h"

namespace segcalc {

// The drawing the full-size pages are cut from, arc and margins, in mm.
TileGrid FullSizeGrid(const ExactSegment& segment, double millimetres_per_unit);

// The arc at 1:1 as A4 sheets of HTML: one sheet per window of the grid, each
// with its row and column, alignment marks on the overlaps and a 100 mm check
// bar. Ordinate labels are in the typed unit, as the format writes lengths.
void WriteFullSizePages(std::ostream& out, const ExactSegment& segment,
                        const std::vector<Ordinate>& stations, const OutputFormat& format);

// A bar exactly 100 mm long, to be measured on the printed page.
std::string CheckBarSvg();

}  // namespace segcalc

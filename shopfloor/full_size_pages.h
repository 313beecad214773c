#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "shopfloor/part_drawing.h"
#include "shopfloor/svg_shapes.h"
#include "shopfloor/tile_layout.h"

namespace segcalc {

// How the drawing at 1:1 is cut into A4 sheets: the grid of windows over it,
// margins included, and the windows that show something of it, which alone
// are printed.
struct SheetPlan {
  TileGrid grid;
  struct Sheet {
    int row = 0;     // from 0, top down
    int column = 0;  // from 0, left to right
  };
  std::vector<Sheet> printed;  // row by row
  // False when the grid has more than kMaxWindowsExamined windows: then
  // none is listed, the drawing being far past any sheets worth printing.
  bool examined = false;
  // Drawing coordinates (mm, y up) to those of the sheets (mm, y down, the
  // drawing's top left corner with its margins at 0, 0).
  SvgFrame frame;
};

inline constexpr long long kMaxWindowsExamined = 1'000'000;

SheetPlan PlanSheets(const PartDrawing& drawing);

// The drawing at 1:1 as A4 sheets of HTML: one per printed window, each with
// its row and column, alignment marks on the overlaps and a 100 mm check bar.
// A label is shown only on the sheets that hold all of it, and every label is
// placed so that at least one does.
void WriteFullSizePages(std::ostream& out, const PartDrawing& drawing, const SheetPlan& plan);

// The first page's map of the sheets: a small drawing of the part under the
// grid of printed sheets, each with its label, R2-C3 for row 2, column 3.
std::string AssemblyMapSvg(const PartDrawing& drawing, const SheetPlan& plan);

// A bar exactly 100 mm long, to be measured on the printed page.
std::string CheckBarSvg();

// "R2-C3".
std::string SheetLabel(const SheetPlan::Sheet& sheet);

}  // namespace segcalc

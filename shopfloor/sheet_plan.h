#pragma once

#include <vector>

#include "shopfloor/part_drawing.h"
#include "shopfloor/sheet_paper.h"
#include "shopfloor/svg_shapes.h"
#include "shopfloor/tile_layout.h"

namespace segcalc {

// How the drawing at 1:1 is cut into pages of the paper: the grid of windows
// over it, margins included, and the windows worth printing. With full
// guide lines that is every window showing something of the drawing; with
// ticks, every window the arch passes through (its faces, division lines,
// facets, legs), so that the sheets follow the arch's band. On a roll each
// column of the grid is one strip, running from the first of its windows
// worth printing to the last.
struct SheetPlan {
  SheetPaper paper;
  TileGrid grid;
  struct Sheet {
    int row = 0;     // from 0, top down
    int column = 0;  // from 0, left to right
    // The window it shows, in the sheets' coordinates.
    double left = 0, top = 0, width = 0, height = 0;
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
// The rows a roll's strips are trimmed by, in mm.
inline constexpr double kRollStepMm = 40;

SheetPlan PlanSheets(const PartDrawing& drawing, const SheetPaper& paper = {});

}  // namespace segcalc

#pragma once

#include <iosfwd>
#include <string>

#include "shopfloor/part_drawing.h"
#include "shopfloor/sheet_plan.h"

namespace segcalc {

// The drawing at 1:1 as sheets of HTML, one per printed window, each with
// its row and column, alignment marks on the overlaps and a 100 mm check bar;
// on a roll each strip is a page of its own length. A label is shown only on
// the sheets that hold all of it, and every label is placed so that at least
// one does.
void WriteFullSizePages(std::ostream& out, const PartDrawing& drawing, const SheetPlan& plan);

// A bar exactly 100 mm long, to be measured on the printed page.
std::string CheckBarSvg();

// "R2-C3".
std::string SheetLabel(const SheetPlan::Sheet& sheet);

}  // namespace segcalc

#pragma once

#include <iosfwd>

#include "calc/number_text.h"
#include "geometry/barplan/bar_plan.h"

namespace segcalc {

// The saw sheet of a bar plan: one self-contained HTML page for A4 portrait.
// The totals first, then each way of cutting as a bar drawn to one scale for
// all (inline SVG), its ends, pieces, kerf and leftover in place, every piece
// with its length and mark, the pieces again as text in cut order, and how
// many bars to cut that way with a box to tick for each. Styles inline, no
// script, every text of the user escaped.
void WriteSawSheet(std::ostream& out, const barplan::BarPlan& plan,
                   const NumberSeparators& separators);
// What the page shows of it under its own heading: the sheet's body, which
// leans on the classes the sheet styles (pattern, note, tally, bar, value).
void WriteSawSheetBody(std::ostream& out, const barplan::BarPlan& plan,
                       const NumberSeparators& separators);

}  // namespace segcalc

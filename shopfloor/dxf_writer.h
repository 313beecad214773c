#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "shopfloor/part_drawing.h"

namespace segcalc {

// The part's drawing as an R12 ASCII DXF in millimetres: true ARCs and LINEs,
// each on its layer (ARC, the exact circle as measured; CHORD; HEIGHT;
// ORDINATES, one line per station off the rise's; with a profile INNER and
// OUTER, its faces and their tails, in place of ARC; with divisions DIVISIONS
// and FACETS), with the layers in use in the layer table. The chord lies on the x axis, its
// midpoint at the origin.
void WriteDxf(std::ostream& out, const PartDrawing& drawing);

std::string DxfText(const PartDrawing& drawing);

}  // namespace segcalc

#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "geometry/arc_part.h"

namespace segcalc {

// Layer names, for CAM programs that pick what to cut by layer.
inline constexpr const char* kDxfArcLayer = "ARC";
inline constexpr const char* kDxfChordLayer = "CHORD";
inline constexpr const char* kDxfHeightLayer = "HEIGHT";
inline constexpr const char* kDxfOrdinateLayer = "ORDINATES";

// The part as an R12 ASCII drawing in millimetres: a true ARC of the exact
// circle, the chord, the chord height and one line per ordinate station, each
// on its own layer. The chord lies on the x axis, its midpoint at the origin.
// millimetres_per_unit scales the part's lengths (25.4 for inches).
void WriteDxf(std::ostream& out, const ArcPart& part, double millimetres_per_unit);

std::string DxfText(const ArcPart& part, double millimetres_per_unit);

}  // namespace segcalc

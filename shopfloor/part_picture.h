#pragma once

#include <string>
#include <string_view>

#include "geometry/arc_part.h"
#include "shopfloor/output_format.h"
#include "shopfloor/part_drawing.h"

namespace segcalc {

// The part's drawing scaled to fit a box of the given size (in SVG user
// units), every layer drawn as at 1:1, with its main measurements written
// on it: not for measuring, but for seeing what was worked out.
std::string PartPictureSvg(const ArcPart& part, const PartDrawing& drawing,
                           const OutputFormat& format, double width, double height,
                           std::string_view css_class);

}  // namespace segcalc

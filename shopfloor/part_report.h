#pragma once

#include <iosfwd>

#include "geometry/arc_part.h"
#include "shopfloor/output_format.h"

namespace segcalc {

// The report's 下料 section, when any of it was asked for: the head, the
// profile's faces and cut length, the divisions with each point and the
// mitre and fold angles, the stations, the area; or why a part was refused.
void WritePartSection(std::ostream& out, const ArcPart& part, const OutputFormat& format);

}  // namespace segcalc

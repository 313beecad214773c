#pragma once

#include <vector>

#include "geometry/arc_part.h"
#include "shopfloor/output_format.h"
#include "shopfloor/part_sections.h"

namespace segcalc {

// The few values a shop reads first, before the sections' tables: the
// radius of each face (or the head's radii, an ellipse's bending radii), the
// cut length, and the count and length of the pieces on the given face;
// labelled as the sections label them. Only what the part holds.
std::vector<SectionValue> PartSummary(const ArcPart& part, const OutputFormat& format);

}  // namespace segcalc

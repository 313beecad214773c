#pragma once

#include <iosfwd>

#include "geometry/arc_part.h"
#include "shopfloor/output_format.h"

namespace segcalc {

// What a single compute prints of the part after the exact lines: the
// profile's faces and cut length, the divisions with a line per division
// point (分点<TAB>i<TAB>x<TAB>y<TAB>s), the stations (放样<TAB>x<TAB>y<TAB>s) and
// the area, each as asked for and worked out; a refused part prints nothing
// (ArcPart::Errors says why).
void WritePartLines(std::ostream& out, const ArcPart& part, const OutputFormat& format);

}  // namespace segcalc

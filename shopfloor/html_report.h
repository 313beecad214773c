#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "geometry/arc_part.h"
#include "geometry/compute_record.h"
#include "shopfloor/output_format.h"

namespace segcalc {

// A report with more full-size sheets than this gets none: such an arc is
// marked out from the ordinates or cut from the drawing, not printed.
inline constexpr long long kMaxFullSizeSheets = 400;

// One self-contained HTML page of a compute: what was typed, the calculator's
// and the exact results side by side, and, when there is an exact circle (its
// part is then given), the ordinates, an overview and the arc at 1:1 on
// sheets of the paper format.sheets names. Styles inline, drawings as inline SVG, no script, font
// or image from elsewhere.
void WriteReport(std::ostream& out, const ComputeRecord& record, const ArcPart* part,
                 const OutputFormat& format);

// One thing the user gave, as typed.
struct GivenText {
  std::string label;
  std::string text;
};

// The report of a head the user named (a pointed arch, an ellipse, ...): what
// was given, then the part as above; the calculator has no say in it.
void WriteHeadReport(std::ostream& out, const std::vector<GivenText>& given, const ArcPart& part,
                     const OutputFormat& format);

}  // namespace segcalc

#include "cli/part_lines.h"

#include <ostream>

#include "shopfloor/part_sections.h"

namespace segcalc {

void WritePartLines(std::ostream& out, const ArcPart& part, const OutputFormat& format) {
  out << SectionLines(PartSections(&part, LayoutOf(part), format));
}

}  // namespace segcalc

#include "cli/part_lines.h"

#include <ostream>

#include "shopfloor/part_values.h"

namespace segcalc {
namespace {

void WriteValues(std::ostream& out, const std::vector<PartValue>& values) {
  for (const PartValue& value : values) out << value.label << '\t' << value.text << '\n';
}

}  // namespace

void WritePartLines(std::ostream& out, const ArcPart& part, const OutputFormat& format) {
  const ProfileBend* bend = part.profile && part.profile->ok() ? &*part.profile->value : nullptr;
  if (bend) WriteValues(out, ProfileValues(bend, format));
  if (part.divisions && part.divisions->ok()) {
    const Divisions& divisions = *part.divisions->value;
    WriteValues(out, DivisionValues(&divisions, bend != nullptr, format));
    for (std::size_t i = 0; i < divisions.points.size(); ++i) {
      const DivisionPoint& p = divisions.points[i];
      out << "分点\t" << i << '\t' << format.Length(p.x) << '\t' << format.Length(p.y) << '\t'
          << format.Length(p.s) << '\n';
    }
  }
  if (part.stations && part.stations->ok()) {
    for (const Station& station : *part.stations->value) {
      out << "放样\t" << format.Length(station.x) << '\t' << format.Length(station.y) << '\t'
          << format.Length(station.s) << '\n';
    }
  }
  if (part.area) WriteValues(out, AreaValues(&*part.area, format));
}

}  // namespace segcalc

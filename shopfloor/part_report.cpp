#include "shopfloor/part_report.h"

#include <ostream>

#include "shopfloor/part_values.h"
#include "shopfloor/svg_shapes.h"

namespace segcalc {
namespace {

void WriteValueTable(std::ostream& out, const std::vector<PartValue>& values) {
  out << "<table>\n";
  for (const PartValue& value : values) {
    out << "<tr><td class=\"label\">" << EscapeXml(value.label) << "</td><td>"
        << EscapeXml(value.text) << "</td></tr>\n";
  }
  out << "</table>\n";
}

// The three faces side by side: 半径, 弧长, 弦长, 弦高 of each.
void WriteFaces(std::ostream& out, const ProfileBend& bend, const OutputFormat& format) {
  out << "<h3>型材(深度 " << format.Length(bend.depth) << ",所给尺寸为" << FaceName(bend.given_face)
      << ")</h3>\n<table>\n<tr><th class=\"label\"></th>";
  constexpr Quantity kColumns[] = {Quantity::Radius, Quantity::Arc, Quantity::Chord,
                                   Quantity::Height};
  for (const Quantity quantity : kColumns) out << "<th>" << QuantityLabel(quantity) << "</th>";
  out << "</tr>\n";
  for (const ProfileFace face : {ProfileFace::Inner, ProfileFace::Centre, ProfileFace::Outer}) {
    out << "<tr><td class=\"label\">" << FaceName(face) << "</td>";
    for (const Quantity quantity : kColumns) {
      out << "<td>" << format.Length(ValueOf(bend.Face(face), quantity)) << "</td>";
    }
    out << "</tr>\n";
  }
  out << "</table>\n";
  // The faces are in the table above; the neutral layer and the cut length
  // follow, with what the cut length adds up.
  const std::vector<PartValue> values = ProfileValues(&bend, format);
  std::vector<PartValue> rest(values.end() - 3, values.end());
  rest.insert(rest.end() - 1,
              {{"两端直段", format.Length(bend.tail_a) + " + " + format.Length(bend.tail_b)},
               {"切割余量", format.Length(bend.trim)}});
  WriteValueTable(out, rest);
}

void WriteDivisions(std::ostream& out, const Divisions& divisions, bool profiled,
                    const OutputFormat& format) {
  out << "<h3>分段</h3>\n<p class=\"note\">斜切角为每段两端各自偏离直角的角度;"
         "折角为相邻两块平板之间的夹角;最大偏差为平板中部到圆弧的距离。</p>\n";
  WriteValueTable(out, DivisionValues(&divisions, profiled, format));
  out << "<table class=\"points\"><tr><th>分点</th><th>x</th><th>y</th><th>s</th></tr>\n";
  for (std::size_t i = 0; i < divisions.points.size(); ++i) {
    const DivisionPoint& p = divisions.points[i];
    out << "<tr><td>" << i << "</td><td>" << format.Length(p.x) << "</td><td>" << format.Length(p.y)
        << "</td><td>" << format.Length(p.s) << "</td></tr>\n";
  }
  out << "</table>\n";
}

void WriteStations(std::ostream& out, const std::vector<Station>& stations,
                   const OutputFormat& format) {
  out << "<h3>放样点</h3>\n<p class=\"note\">x 自弦的中点起,y 为该点到圆弧的垂直距离,"
         "s 为自圆弧左端沿弧到该点的长度。</p>\n"
         "<table class=\"points\"><tr><th>x</th><th>y</th><th>s</th></tr>\n";
  for (const Station& station : stations) {
    out << "<tr><td>" << format.Length(station.x) << "</td><td>" << format.Length(station.y)
        << "</td><td>" << format.Length(station.s) << "</td></tr>\n";
  }
  out << "</table>\n";
}

}  // namespace

void WritePartSection(std::ostream& out, const ArcPart& part, const OutputFormat& format) {
  if (!part.profile && !part.divisions && !part.stations && !part.area) return;
  out << "<h2>下料</h2>\n";
  for (const std::string& error : part.Errors()) {
    out << "<p class=\"note\">" << EscapeXml(error) << "</p>\n";
  }
  const ProfileBend* bend = part.profile && part.profile->ok() ? &*part.profile->value : nullptr;
  if (bend) WriteFaces(out, *bend, format);
  if (part.divisions && part.divisions->ok()) {
    WriteDivisions(out, *part.divisions->value, bend != nullptr, format);
  }
  if (part.stations && part.stations->ok()) WriteStations(out, *part.stations->value, format);
  if (part.area) {
    out << "<h3>面积</h3>\n";
    WriteValueTable(out, AreaValues(&*part.area, format));
  }
}

}  // namespace segcalc

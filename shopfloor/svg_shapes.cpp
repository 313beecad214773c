#include "shopfloor/svg_shapes.h"

#include <cmath>
#include <numbers>

#include "shopfloor/plain_number.h"

namespace segcalc {
std::string SvgNumber(double value) {
  return PlainNumber(value, 4);
}

std::string EscapeXml(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string SvgArc(const ArcLayout& arc, const SvgFrame& frame, std::string_view attributes) {
  // From the left end over the top to the right end: clockwise on the page,
  // which is SVG's sweep flag 1.
  const double r = arc.radius * frame.scale;
  return "<path d=\"M " + SvgNumber(frame.X(-arc.half_chord)) + " " + SvgNumber(frame.Y(0)) +
         " A " + SvgNumber(r) + " " + SvgNumber(r) + " 0 " + (arc.beyond_semicircle ? "1" : "0") +
         " 1 " + SvgNumber(frame.X(arc.half_chord)) + " " + SvgNumber(frame.Y(0)) +
         "\" fill=\"none\" " + std::string(attributes) + "/>\n";
}

std::string SvgArc(const DrawnArc& arc, const SvgFrame& frame, std::string_view attributes) {
  // Counter-clockwise from start to end in the drawing is clockwise on the
  // page from end to start: SVG's sweep flag 1.
  const double r = arc.radius * frame.scale;
  const auto point = [&](double degrees) {
    const double a = degrees * std::numbers::pi / 180;
    return SvgNumber(frame.X(arc.centre_x + arc.radius * std::cos(a))) + " " +
           SvgNumber(frame.Y(arc.centre_y + arc.radius * std::sin(a)));
  };
  double sweep = std::fmod(arc.end_degrees - arc.start_degrees, 360.0);
  if (sweep < 0) sweep += 360;
  return "<path d=\"M " + point(arc.end_degrees) + " A " + SvgNumber(r) + " " + SvgNumber(r) + " 0 " +
         (sweep > 180 ? "1" : "0") + " 1 " + point(arc.start_degrees) + "\" fill=\"none\" " +
         std::string(attributes) + "/>\n";
}

std::string SvgLine(const SvgFrame& frame, double x1, double y1, double x2, double y2,
                    std::string_view attributes) {
  return "<line x1=\"" + SvgNumber(frame.X(x1)) + "\" y1=\"" + SvgNumber(frame.Y(y1)) + "\" x2=\"" +
         SvgNumber(frame.X(x2)) + "\" y2=\"" + SvgNumber(frame.Y(y2)) + "\" " +
         std::string(attributes) + "/>\n";
}

std::string SvgText(const SvgFrame& frame, double x, double y, std::string_view text,
                    std::string_view attributes) {
  return "<text x=\"" + SvgNumber(frame.X(x)) + "\" y=\"" + SvgNumber(frame.Y(y)) + "\" " +
         std::string(attributes) + ">" + EscapeXml(text) + "</text>\n";
}

}  // namespace segcalc

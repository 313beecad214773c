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
  return "<path d=\"M " + point(arc.end_degrees) + " A " + SvgNumber(r) + " " + SvgNumber(r) +
         " 0 " + (sweep > 180 ? "1" : "0") + " 1 " + point(arc.start_degrees) +
         "\" fill=\"none\" " + std::string(attributes) + "/>\n";
}

std::string SvgPolyline(const DrawnPolyline& polyline, const SvgFrame& frame,
                        std::string_view attributes) {
  std::string points;
  for (const PlanePoint& p : polyline.points) {
    if (!points.empty()) points += ' ';
    points += SvgNumber(frame.X(p.x)) + "," + SvgNumber(frame.Y(p.y));
  }
  return "<polyline points=\"" + points + "\" fill=\"none\" " + std::string(attributes) + "/>\n";
}

std::string SvgLine(const SvgFrame& frame, double x1, double y1, double x2, double y2,
                    std::string_view attributes) {
  return "<line x1=\"" + SvgNumber(frame.X(x1)) + "\" y1=\"" + SvgNumber(frame.Y(y1)) + "\" x2=\"" +
         SvgNumber(frame.X(x2)) + "\" y2=\"" + SvgNumber(frame.Y(y2)) + "\" " +
         std::string(attributes) + "/>\n";
}

const char* LayerStyle(DrawingLayer layer) {
  switch (layer) {
    case DrawingLayer::Arc:
      return "stroke=\"#000\" stroke-width=\"0.5\"";
    case DrawingLayer::Chord:
      return "stroke=\"#06c\" stroke-width=\"0.25\" stroke-dasharray=\"4 2\"";
    case DrawingLayer::Height:
    case DrawingLayer::Ordinates:
      return "stroke=\"#555\" stroke-width=\"0.15\"";
    case DrawingLayer::Inner:
    case DrawingLayer::Outer:
      return "stroke=\"#000\" stroke-width=\"0.35\"";
    case DrawingLayer::Divisions:
      return "stroke=\"#c00\" stroke-width=\"0.25\"";
    case DrawingLayer::Facets:
      return "stroke=\"#080\" stroke-width=\"0.25\"";
    case DrawingLayer::Legs:
      return "stroke=\"#000\" stroke-width=\"0.35\"";
    case DrawingLayer::Ellipse:
      return "stroke=\"#909\" stroke-width=\"0.2\"";
  }
  return "stroke=\"#000\"";
}

std::string DrawingSvg(const PartDrawing& drawing, const SvgFrame& frame, double mark_radius) {
  // Each shape named by its layer, as the DXF names it: a test or a reader
  // of the picture finds the faces, the divisions, ... by it.
  const auto style = [](DrawingLayer layer) {
    return std::string(LayerStyle(layer)) + " data-layer=\"" + LayerName(layer) + "\"";
  };
  std::string svg;
  for (const DrawnLine& line : drawing.lines) {
    svg += SvgLine(frame, line.x1, line.y1, line.x2, line.y2, style(line.layer));
  }
  for (const PlanePoint& centre : drawing.centres) {
    svg += "<circle fill=\"#000\" cx=\"" + SvgNumber(frame.X(centre.x)) + "\" cy=\"" +
           SvgNumber(frame.Y(centre.y)) + "\" r=\"" + SvgNumber(mark_radius) + "\"/>\n";
  }
  for (const DrawnPolyline& polyline : drawing.polylines) {
    svg += SvgPolyline(polyline, frame, style(polyline.layer));
  }
  for (const DrawnArc& arc : drawing.arcs) svg += SvgArc(arc, frame, style(arc.layer));
  return svg;
}

std::string SvgText(const SvgFrame& frame, double x, double y, std::string_view text,
                    std::string_view attributes) {
  return "<text x=\"" + SvgNumber(frame.X(x)) + "\" y=\"" + SvgNumber(frame.Y(y)) + "\" " +
         std::string(attributes) + ">" + EscapeXml(text) + "</text>\n";
}

}  // namespace segcalc

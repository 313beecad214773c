#pragma once

#include <string>
#include <string_view>

#include "shopfloor/part_drawing.h"

namespace segcalc {

// Maps drawing coordinates (y up) to SVG user units (y down).
struct SvgFrame {
  double scale = 1;
  double offset_x = 0;  // where x = 0 lands
  double offset_y = 0;  // where y = 0 lands

  double X(double x) const { return offset_x + x * scale; }
  double Y(double y) const { return offset_y - y * scale; }
};

// A coordinate or length in an SVG attribute (PlainNumber to four places):
// finer than any printer draws, and short enough to keep the pages small.
std::string SvgNumber(double value);

// Text for SVG and HTML: & < > " escaped, so typed measurements cannot turn
// into markup.
std::string EscapeXml(std::string_view text);

std::string SvgArc(const DrawnArc& arc, const SvgFrame& frame, std::string_view attributes);
std::string SvgPolyline(const DrawnPolyline& polyline, const SvgFrame& frame,
                        std::string_view attributes);
std::string SvgLine(const SvgFrame& frame, double x1, double y1, double x2, double y2,
                    std::string_view attributes);
// The stroke a layer is drawn with at 1:1, in mm.
const char* LayerStyle(DrawingLayer layer);

// The drawing's lines, then its curves and arcs over them (what is cut along
// is drawn last), and the centres' marks of the given radius.
std::string DrawingSvg(const PartDrawing& drawing, const SvgFrame& frame, double mark_radius);

// Text anchored at a drawing point; size and attributes in SVG user units.
std::string SvgText(const SvgFrame& frame, double x, double y, std::string_view text,
                    std::string_view attributes);

}  // namespace segcalc

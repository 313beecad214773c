#include "shopfloor/part_picture.h"

#include <algorithm>

#include "shopfloor/svg_shapes.h"

namespace segcalc {
namespace {

constexpr double kMargin = 12;     // around the drawing, for the measurements
constexpr double kTextSize = 3.5;  // in the box's units

std::string Text(double x, double y, const std::string& words, const char* anchor) {
  return "<text x=\"" + SvgNumber(x) + "\" y=\"" + SvgNumber(y) + "\" font-size=\"" +
         SvgNumber(kTextSize) + "\" text-anchor=\"" + anchor + "\">" + EscapeXml(words) +
         "</text>\n";
}

// What the bottom line says: the circle's radius and angle, or the head's
// name and the radii of its pieces.
std::string Summary(const ArcPart& part, const OutputFormat& format) {
  const std::string unit(UnitSymbol(format.unit));
  if (const ExactSegment* circle = part.circle(); circle && !part.head.named) {
    return "半径 " + format.Length(circle->radius) + " " + unit + ",夹角 " +
           format.Angle(circle->angle) + "°";
  }
  std::string words = part.head.Name();
  const std::span<const ArcPiece> pieces = part.arch().pieces();
  if (!part.arch().ellipse() && !pieces.empty()) {
    words += ",半径";
    for (std::size_t i = 0; i < pieces.size() && i < 4; ++i) {
      words += (i == 0 ? " " : " / ") + format.Length(pieces[i].radius);
    }
    if (pieces.size() > 4) words += " …";
  }
  return words;
}

}  // namespace

std::string PartPictureSvg(const ArcPart& part, const PartDrawing& drawing,
                           const OutputFormat& format, double width, double height,
                           std::string_view css_class) {
  const DrawingBox& e = drawing.extent;
  const double across = std::max(e.max_x - e.min_x, 1e-9);
  const double up = std::max(e.max_y - e.min_y, 1e-9);
  const double scale = std::min((width - 2 * kMargin) / across, (height - 3 * kMargin) / up);
  const SvgFrame frame{scale, width / 2 - (e.min_x + e.max_x) / 2 * scale,
                       kMargin * 1.5 + e.max_y * scale};
  // The drawing's millimetres back to the part's unit, for the words.
  const double per_mm = 1 / MillimetresPer(format.unit);
  const bool circle = part.circle() && !part.head.named;
  const std::string unit(UnitSymbol(format.unit));
  std::string svg = "<svg class=\"" + std::string(css_class) + "\" viewBox=\"0 0 " +
                    SvgNumber(width) + " " + SvgNumber(height) +
                    "\" xmlns=\"http://www.w3.org/2000/svg\">\n";
  svg += "<g stroke-linecap=\"round\">\n" + DrawingSvg(drawing, frame, 0.8) + "</g>\n";
  const PlanePoint left = part.arch().LeftEnd(), right = part.arch().RightEnd();
  const double below = frame.Y(std::min(0.0, e.min_y)) + kTextSize * 1.6;
  svg +=
      Text(width / 2, below,
           (circle ? "弦长 " : "跨度 ") + format.Length(right.x - left.x) + " " + unit, "middle");
  const double top = part.arch().Top();
  svg += Text(frame.X(0) + 1.5, frame.Y(top / 2 / per_mm),
              (circle ? "弦高 " : "拱高 ") + format.Length(part.head.Rise()), "start");
  svg += Text(width / 2, frame.Y(e.max_y) - kTextSize * 0.8,
              (circle ? "弧长 " : "拱长 ") + format.Length(part.arch().Length()), "middle");
  svg += Text(4, height - 2, Summary(part, format) + "(示意图,不按比例尺量取)", "start");
  svg += "</svg>\n";
  return svg;
}

}  // namespace segcalc

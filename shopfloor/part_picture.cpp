#include "shopfloor/part_picture.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "shopfloor/plain_number.h"
#include "shopfloor/svg_shapes.h"

namespace segcalc {
namespace {

constexpr double kTextSize = kPictureTextSize;
constexpr double kNumberSize = 2.8;  // a division's number
constexpr double kStationMark = 0.9;
constexpr double kCentreMark = 0.8;

// Each division's number a little beyond the outer end of its line, in the
// line's direction; the numbers are made in the order of the division lines.
// Where they would crowd, only every so many are written.
std::string Numbers(const PartDrawing& drawing, const SvgFrame& frame) {
  std::vector<const DrawnLine*> lines;
  for (const DrawnLine& line : drawing.lines) {
    if (line.layer == DrawingLayer::Divisions) lines.push_back(&line);
  }
  std::string svg;
  bool any = false;
  double last_x = 0, last_y = 0;
  for (std::size_t i = 0; i < drawing.numbers.size() && i < lines.size(); ++i) {
    const PointLabel& number = drawing.numbers[i];
    const DrawnLine& line = *lines[i];
    double dx = number.x - line.x2, dy = number.y - line.y2;
    const double length = std::hypot(dx, dy);
    if (length > 0) {
      dx /= length;
      dy /= length;
    }
    const double x = frame.X(line.x2) + dx * 1.4 * kNumberSize;
    const double y = frame.Y(line.y2) - dy * 1.4 * kNumberSize;
    if (any && std::hypot(x - last_x, y - last_y) < 1.6 * kNumberSize) continue;
    any = true;
    last_x = x;
    last_y = y;
    svg += PictureText(x, y, number.text, "middle", kNumberSize,
                       " dominant-baseline=\"central\" fill=\"#c00\" data-layer=\"NUMBERS\"");
  }
  return svg;
}

std::string Stations(std::span<const PlanePoint> stations, const SvgFrame& frame) {
  std::string svg;
  for (const PlanePoint& p : stations) {
    svg += "<circle fill=\"#06c\" cx=\"" + SvgNumber(frame.X(p.x)) + "\" cy=\"" +
           SvgNumber(frame.Y(p.y)) + "\" r=\"" + SvgNumber(kStationMark) +
           "\" data-layer=\"STATIONS\"/>\n";
  }
  return svg;
}

const DrawnLine* FirstOn(const PartDrawing& drawing, DrawingLayer layer) {
  for (const DrawnLine& line : drawing.lines) {
    if (line.layer == layer) return &line;
  }
  return nullptr;
}

// What the bottom line says of a part: the circle's radius and angle, or
// the head's name and the radii of its pieces.
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

// Beside the rise line: right of it, or left where the box ends first;
// where neither side has room, an aside in brackets goes on a line of its
// own under the rest.
std::string RiseWords(const std::string& words, double x, double y, double width) {
  std::vector<std::string> lines = {words};
  const auto room = [&](double needed) {
    return x + 1.5 + needed <= width || x - 1.5 - needed >= 0;
  };
  constexpr std::string_view kBracket = "(";
  if (const std::size_t at = words.find(kBracket);
      !room(TextWidth(words, kTextSize)) && at != std::string::npos && at > 0) {
    lines = {words.substr(0, at), words.substr(at)};
  }
  double longest = 0;
  for (const std::string& line : lines) longest = std::max(longest, TextWidth(line, kTextSize));
  const bool right = x + 1.5 + longest <= width || x - 1.5 - longest < 0;
  std::string svg;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    svg += PictureText(right ? x + 1.5 : x - 1.5, y + static_cast<double>(i) * 1.3 * kTextSize,
                       lines[i], right ? "start" : "end");
  }
  return svg;
}

}  // namespace

std::string PictureText(double x, double y, std::string_view words, const char* anchor, double size,
                        std::string_view attributes) {
  return "<text x=\"" + SvgNumber(x) + "\" y=\"" + SvgNumber(y) + "\" font-size=\"" +
         SvgNumber(size) + "\" text-anchor=\"" + anchor + "\"" + std::string(attributes) + ">" +
         EscapeXml(words) + "</text>\n";
}

PictureFrame FitPicture(const DrawingBox& extent, double width, double height, double side,
                        double top, double bottom) {
  const DrawingBox& e = extent;
  const double across = std::max(e.max_x - e.min_x, 1e-9);
  const double up = std::max(e.max_y - e.min_y, 1e-9);
  const double scale =
      std::max(1e-12, std::min((width - 2 * side) / across, (height - top - bottom) / up));
  return {{scale, width / 2 - (e.min_x + e.max_x) / 2 * scale, top + e.max_y * scale},
          std::min(height, top + bottom + up * scale)};
}

std::string PictureStart(std::string_view css_class, double width, const PictureFrame& fit,
                         std::string_view attributes) {
  return "<svg class=\"" + std::string(css_class) + "\" viewBox=\"0 0 " + SvgNumber(width) + " " +
         SvgNumber(fit.height) + "\" xmlns=\"http://www.w3.org/2000/svg\" data-scale=\"" +
         PlainNumber(fit.frame.scale, 12) + "\" data-x=\"" + PlainNumber(fit.frame.offset_x, 9) +
         "\" data-y=\"" + PlainNumber(fit.frame.offset_y, 9) + "\"" + std::string(attributes) +
         ">\n";
}

double TextWidth(std::string_view text, double size) {
  double width = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if ((byte & 0xC0) == 0x80) continue;  // inside a character
    // A character from U+2E80 on (three bytes from 0xE2 0xBA) is a wide one.
    const bool wide = byte >= 0xE3 || (byte == 0xE2 && i + 1 < text.size() &&
                                       static_cast<unsigned char>(text[i + 1]) >= 0xBA);
    width += wide ? size : 0.6 * size;
  }
  return width;
}

std::string PictureSvg(const PartDrawing& drawing, const PictureWords& words,
                       std::span<const PlanePoint> stations, double width, double height,
                       std::string_view css_class) {
  const DrawingBox& e = drawing.extent;
  const bool numbered = !drawing.numbers.empty();
  // Room beside the drawing for the end numbers, over it for the length
  // (and the numbers), under it for the span and the bottom line.
  const PictureFrame fit = FitPicture(e, width, height, 2.5 * kTextSize,
                                      (numbered ? 3.8 : 2.4) * kTextSize, 3.8 * kTextSize);
  const SvgFrame& frame = fit.frame;
  const double box_height = fit.height;
  std::string svg = PictureStart(css_class, width, fit);
  svg += "<g stroke-linecap=\"round\">\n" + DrawingSvg(drawing, frame, kCentreMark) + "</g>\n";
  svg += Stations(stations, frame);
  svg += Numbers(drawing, frame);

  const DrawnLine* chord = FirstOn(drawing, DrawingLayer::Chord);
  const DrawnLine* rise = FirstOn(drawing, DrawingLayer::Height);
  const double middle = chord ? frame.X((chord->x1 + chord->x2) / 2) : width / 2;
  const double crown = rise ? frame.X(rise->x1) : width / 2;
  if (!words.across.empty()) {
    svg += PictureText(middle, frame.Y(std::min(0.0, e.min_y)) + kTextSize * 1.6, words.across,
                       "middle");
  }
  if (rise && !words.rise.empty()) {
    svg += RiseWords(words.rise, crown, frame.Y((rise->y1 + rise->y2) / 2), width);
  }
  if (!words.along.empty()) {
    svg += PictureText(crown, frame.Y(e.max_y) - kTextSize * (numbered ? 2.4 : 0.8), words.along,
                       "middle");
  }
  std::string last = words.summary;
  if (TextWidth(last + words.aside, kTextSize) <= width - 8) last += words.aside;
  svg += PictureText(4, box_height - 2, last, "start");
  svg += "</svg>\n";
  return svg;
}

std::string PartPictureSvg(const ArcPart& part, const PartDrawing& drawing,
                           const OutputFormat& format, double width, double height,
                           std::string_view css_class) {
  const bool circle = part.circle() && !part.head.named;
  const std::string unit(UnitSymbol(format.unit));
  const PlanePoint left = part.arch().LeftEnd(), right = part.arch().RightEnd();
  PictureWords words;
  words.across = (circle ? "弦长 " : "跨度 ") + format.Length(right.x - left.x) + " " + unit;
  words.rise = (circle ? "弦高 " : "拱高 ") + format.Length(part.head.Rise());
  words.along = (circle ? "弧长 " : "拱长 ") + format.Length(part.arch().Length());
  words.summary = Summary(part, format);
  words.aside = "(示意图,不按比例尺量取)";
  // The stations on the face the measurements describe, in mm.
  std::vector<PlanePoint> stations;
  if (part.stations && part.stations->ok()) {
    const double mm = MillimetresPer(format.unit);
    for (const Station& s : *part.stations->value) stations.push_back({s.x * mm, s.y * mm});
  }
  return PictureSvg(drawing, words, stations, width, height, css_class);
}

}  // namespace segcalc

#include "shopfloor/fit_picture.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "shopfloor/part_drawing.h"
#include "shopfloor/part_picture.h"
#include "shopfloor/plain_number.h"

namespace segcalc {
namespace {

constexpr double kDegree = std::numbers::pi / 180;
// More marks than this say nothing more and make the picture slow.
constexpr std::size_t kMostMarks = 2000;
// How large the largest deviation is drawn, in the box's units.
constexpr double kShownDeviation = 4;
constexpr double kNoDeviation = 0.005;  // mm

// The stretch of the circle the points cover, counter-clockwise from start,
// with a little more at both ends: everything but the widest gap between
// the points' angles. The whole circle where the gap is small.
struct Stretch {
  double start = 0, end = 360;
  bool whole = true;
};

Stretch Covered(std::vector<double> angles) {
  std::sort(angles.begin(), angles.end());
  double gap = angles.front() + 360 - angles.back();
  double start = angles.front(), end = angles.back();
  for (std::size_t i = 1; i < angles.size(); ++i) {
    if (angles[i] - angles[i - 1] > gap) {
      gap = angles[i] - angles[i - 1];
      start = angles[i];
      end = angles[i - 1];
    }
  }
  const double more = std::max(2.0, 0.05 * (360 - gap));
  if (gap - 2 * more < 20) return {};
  return {start - more, end + more, false};
}

// 1, 2 or 5 times a power of ten, the largest not above the value (and 1
// for any value below 2).
double RoundMagnification(double value) {
  if (!(value >= 2) || !std::isfinite(value)) return 1;
  const double power = std::pow(10.0, std::floor(std::log10(value)));
  for (const double step : {5.0, 2.0, 1.0}) {
    if (step * power <= value) return step * power;
  }
  return power;
}

DrawnArc Circle(DrawingLayer layer, PlanePoint centre, double radius, const Stretch& stretch) {
  return {layer, centre.x, centre.y, radius, stretch.start, stretch.end};
}

// A drawing of the circles and the points for its extent: the whole
// circle's as two halves.
PartDrawing Shapes(PlanePoint centre, const std::vector<double>& radii, const Stretch& stretch,
                   const std::vector<PlanePoint>& points) {
  PartDrawing drawing;
  for (const double radius : radii) {
    if (stretch.whole) {
      drawing.arcs.push_back(Circle(DrawingLayer::Arc, centre, radius, {0, 180, false}));
      drawing.arcs.push_back(Circle(DrawingLayer::Arc, centre, radius, {180, 360, false}));
    } else {
      drawing.arcs.push_back(Circle(DrawingLayer::Arc, centre, radius, stretch));
    }
  }
  drawing.polylines.push_back({DrawingLayer::Arc, points});
  return drawing;
}

std::string Arc(const SvgFrame& frame, PlanePoint centre, double radius, const Stretch& stretch,
                const char* attributes) {
  if (stretch.whole) {
    return "<circle cx=\"" + SvgNumber(frame.X(centre.x)) + "\" cy=\"" +
           SvgNumber(frame.Y(centre.y)) + "\" r=\"" + SvgNumber(radius * frame.scale) +
           "\" fill=\"none\" " + attributes + "/>\n";
  }
  return SvgArc(Circle(DrawingLayer::Arc, centre, radius, stretch), frame, attributes);
}

}  // namespace

std::string FitPictureSvg(std::span<const PlanePoint> points, const CircleFit& fit,
                          std::optional<double> target, const OutputFormat& format, double width,
                          double height) {
  if (points.empty()) return {};
  const double mm = MillimetresPer(format.unit);
  const PlanePoint centre{fit.centre.x * mm, fit.centre.y * mm};
  const double radius = fit.radius * mm;
  const std::size_t every = (points.size() + kMostMarks - 1) / kMostMarks;
  std::vector<double> angles;
  std::vector<PlanePoint> directions;
  std::vector<double> deviations;
  // The points' deviations set the magnification; a target far off them
  // is drawn as far off at the same one, but counts only a third, so that
  // the points' own still show.
  double largest = target ? std::abs(*target * mm - radius) / 3 : 0;
  for (std::size_t i = 0; i < points.size(); i += every) {
    const double dx = points[i].x * mm - centre.x, dy = points[i].y * mm - centre.y;
    const double distance = std::hypot(dx, dy);
    angles.push_back(std::atan2(dy, dx) / kDegree);
    directions.push_back({dx / distance, dy / distance});
    deviations.push_back(i < fit.residuals.size() ? fit.residuals[i] * mm : distance - radius);
    largest = std::max(largest, std::abs(deviations.back()));
  }
  const Stretch stretch = Covered(angles);
  const double side = 2 * kPictureTextSize, top = 2 * kPictureTextSize;
  const double bottom = 5.4 * kPictureTextSize;  // up to three lines

  // The scale at true size, then the magnification that shows the largest
  // deviation, kept below half the radius so nothing turns inside out.
  std::vector<PlanePoint> marks;
  for (std::size_t i = 0; i < directions.size(); ++i) {
    marks.push_back({centre.x + (radius + deviations[i]) * directions[i].x,
                     centre.y + (radius + deviations[i]) * directions[i].y});
  }
  const double true_scale = FitPicture(ExtentOf(Shapes(centre, {radius}, stretch, marks)), width,
                                       height, side, top, bottom)
                                .frame.scale;
  // Below half the 0.01 mm the values are written to, a deviation is none.
  double magnified = 1;
  if (largest > kNoDeviation) {
    magnified = RoundMagnification(
        std::min(kShownDeviation / (largest * true_scale), 0.5 * radius / largest));
  }
  for (std::size_t i = 0; i < directions.size(); ++i) {
    const double r = radius + magnified * deviations[i];
    marks[i] = {centre.x + r * directions[i].x, centre.y + r * directions[i].y};
  }
  std::vector<double> radii = {radius};
  const double shown_target = target ? radius + magnified * (*target * mm - radius) : 0;
  if (target) radii.push_back(shown_target);
  const PictureFrame picture =
      FitPicture(ExtentOf(Shapes(centre, radii, stretch, marks)), width, height, side, top, bottom);
  const SvgFrame& frame = picture.frame;

  std::string svg = PictureStart("fit-picture", width, picture,
                                 " data-magnified=\"" + PlainNumber(magnified) + "\"");
  svg += "<g stroke-linecap=\"round\">\n";
  for (std::size_t i = 0; i < marks.size(); ++i) {
    const PlanePoint& u = directions[i];
    svg += SvgLine(frame, centre.x + radius * u.x, centre.y + radius * u.y, marks[i].x, marks[i].y,
                   "stroke=\"#c00\" stroke-width=\"0.3\" data-layer=\"RESIDUALS\"");
  }
  svg += Arc(frame, centre, radius, stretch,
             "stroke=\"#000\" stroke-width=\"0.5\" data-layer=\"FIT\"");
  if (target) {
    svg += Arc(frame, centre, shown_target, stretch,
               "stroke=\"#06c\" stroke-width=\"0.4\" stroke-dasharray=\"3 1.5\" "
               "data-layer=\"TARGET\"");
  }
  for (const PlanePoint& p : marks) {
    svg += "<circle cx=\"" + SvgNumber(frame.X(p.x)) + "\" cy=\"" + SvgNumber(frame.Y(p.y)) +
           "\" r=\"1\" fill=\"#c00\" data-layer=\"POINTS\"/>\n";
  }
  svg += "</g>\n";
  // What each colour is, two lines joined where the box is wide enough.
  const std::string unit(UnitSymbol(format.unit));
  std::vector<std::string> lines = {"黑:拟合圆 R " + format.Length(fit.radius) + " " + unit};
  if (target) {
    const std::string words = "蓝虚线:目标圆 R " + format.Length(*target) + ",同心";
    if (TextWidth(lines.back() + ";" + words, kPictureTextSize) <= width - 8) {
      lines.back() += ";" + words;
    } else {
      lines.push_back(words);
    }
  }
  lines.push_back(magnified > 1 ? "红:测量点;离拟合圆的距离放大 " + PlainNumber(magnified) + " 倍"
                                : "红:测量点");
  double y = picture.height - 2 - 1.4 * kPictureTextSize * static_cast<double>(lines.size() - 1);
  for (const std::string& line : lines) {
    svg += PictureText(4, y, line, "start");
    y += 1.4 * kPictureTextSize;
  }
  svg += "</svg>\n";
  return svg;
}

}  // namespace segcalc

#include <algorithm>
#include <cmath>
#include <string>

#include "shopfloor/arch_drawing.h"

namespace segcalc {
namespace {

// How far a tick reaches from the arch along its ordinate, or from a chord's
// end along the chord, in mm: enough to lay a rule against, and to carry its
// value beside it.
constexpr double kTickMm = 30;

// The rise and the ordinates as lines from the springing line up to the
// arch, or as their top ends only.
DrawnLine Upright(DrawingLayer layer, double x, double top, GuideLines guides) {
  const double bottom = guides == GuideLines::Ticks ? std::max(0.0, top - kTickMm) : 0.0;
  return {layer, x, bottom, x, top};
}

std::string Value(const OutputFormat& format, double x, double y) {
  return "x " + format.Length(x) + " / y " + format.Length(y);
}

}  // namespace

void DrawGuides(const ArcPart& part, const OutputFormat& format, double scale, double left,
                double right, PlanePoint crown, PartDrawing& drawing) {
  const GuideLines guides = drawing.guides;
  const double from = left * scale, to = right * scale;
  if (guides == GuideLines::Full) {
    drawing.lines.push_back({DrawingLayer::Chord, from, 0, to, 0});
  } else {
    // A tick inwards from each end, its value under it.
    const double tick = std::min(kTickMm, (to - from) / 2);
    drawing.lines.push_back({DrawingLayer::Chord, from, 0, from + tick, 0});
    drawing.lines.push_back({DrawingLayer::Chord, to - tick, 0, to, 0});
    drawing.labels.push_back({Value(format, left, 0), {from, 0}, {from + tick, 0}});
    drawing.labels.push_back({Value(format, right, 0), {to - tick, 0}, {to, 0}});
  }
  const DrawnLine rise = Upright(DrawingLayer::Height, crown.x * scale, crown.y * scale, guides);
  drawing.lines.push_back(rise);
  for (const Ordinate& station : part.ordinates.rows) {
    // An end point on the springing line: the chord's end shows it.
    if (station.y <= 0) continue;
    const DrawnLine line =
        Upright(DrawingLayer::Ordinates, station.x * scale, station.y * scale, guides);
    // Where the rise stands (the crown's station) the ordinate is the same
    // line: labelled, not drawn again.
    if (std::fabs(line.x1 - rise.x1) > 1e-9 * std::max(1.0, std::fabs(line.x1))) {
      drawing.lines.push_back(line);
    }
    drawing.labels.push_back(
        {Value(format, station.x, station.y), {line.x1, line.y1}, {line.x2, line.y2}});
  }
}

}  // namespace segcalc

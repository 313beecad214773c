#include "shopfloor/part_drawing.h"

#include "shopfloor/arch_drawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace segcalc {
namespace {

constexpr double kDegree = std::numbers::pi / 180;

double Sweep(const DrawnArc& arc) {
  double sweep = std::fmod(arc.end_degrees - arc.start_degrees, 360.0);
  if (sweep < 0) sweep += 360;
  return sweep;
}

bool WithinSweep(const DrawnArc& arc, double degrees) {
  double from_start = std::fmod(degrees - arc.start_degrees, 360.0);
  if (from_start < 0) from_start += 360;
  return from_start <= Sweep(arc);
}

struct Point {
  double x, y;
};

Point At(const DrawnArc& arc, double degrees) {
  return {arc.centre_x + arc.radius * std::cos(degrees * kDegree),
          arc.centre_y + arc.radius * std::sin(degrees * kDegree)};
}

bool Inside(const DrawingBox& box, Point p) {
  return p.x >= box.min_x && p.x <= box.max_x && p.y >= box.min_y && p.y <= box.max_y;
}

void Include(DrawingBox& box, Point p, bool& first) {
  if (first) {
    box = {p.x, p.y, p.x, p.y};
    first = false;
    return;
  }
  box.min_x = std::min(box.min_x, p.x);
  box.max_x = std::max(box.max_x, p.x);
  box.min_y = std::min(box.min_y, p.y);
  box.max_y = std::max(box.max_y, p.y);
}

// Liang and Barsky's clipping: whether some part of the segment lies in the box.
bool LineTouches(const DrawnLine& line, const DrawingBox& box) {
  const double dx = line.x2 - line.x1;
  const double dy = line.y2 - line.y1;
  double enter = 0, leave = 1;
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {line.x1 - box.min_x, box.max_x - line.x1, line.y1 - box.min_y,
                      box.max_y - line.y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      enter = std::max(enter, t);
    } else {
      leave = std::min(leave, t);
    }
    if (enter > leave) return false;
  }
  return true;
}

// A connected curve meets a box when one of its ends lies inside or it
// crosses one of the box's edges.
bool ArcTouches(const DrawnArc& arc, const DrawingBox& box) {
  if (Inside(box, At(arc, arc.start_degrees)) || Inside(box, At(arc, arc.end_degrees))) {
    return true;
  }
  const Point corners[] = {{box.min_x, box.min_y},
                           {box.max_x, box.min_y},
                           {box.max_x, box.max_y},
                           {box.min_x, box.max_y}};
  for (int i = 0; i < 4; ++i) {
    const Point a = corners[i];
    const Point b = corners[(i + 1) % 4];
    // |a + t (b - a) - c|^2 = r^2 for t in [0, 1].
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double fx = a.x - arc.centre_x, fy = a.y - arc.centre_y;
    const double qa = dx * dx + dy * dy;
    const double qb = 2 * (fx * dx + fy * dy);
    const double qc = fx * fx + fy * fy - arc.radius * arc.radius;
    const double discriminant = qb * qb - 4 * qa * qc;
    if (discriminant < 0 || qa == 0) continue;
    const double root = std::sqrt(discriminant);
    for (const double t : {(-qb - root) / (2 * qa), (-qb + root) / (2 * qa)}) {
      if (t < 0 || t > 1) continue;
      const double angle =
          std::atan2(a.y + t * dy - arc.centre_y, a.x + t * dx - arc.centre_x) / kDegree;
      if (WithinSweep(arc, angle)) return true;
    }
  }
  return false;
}

// A segment: the profile's faces share the arc's centre and angles, and
// replace it (each curve is drawn once: a CAM program cutting by layer would
// cut a face drawn twice twice); each division line runs along the radius
// through its point, from the inner face to the outer.
void DrawProfileAndDivisions(const ArcPart& part, const DrawnArc& given, double scale,
                             PartDrawing& drawing) {
  const ProfileBend* bend = part.profile && part.profile->ok() ? &*part.profile->value : nullptr;
  if (bend) {
    for (const auto& [layer, face] : {std::pair{DrawingLayer::Inner, &bend->inner},
                                      std::pair{DrawingLayer::Outer, &bend->outer}}) {
      DrawnArc arc = given;
      arc.layer = layer;
      arc.radius = face->circle()->radius * scale;
      drawing.arcs.push_back(arc);
    }
    DrawTails(part, *bend, scale, drawing);
  } else {
    drawing.arcs.push_back(given);
  }
  if (!part.divisions || !part.divisions->ok()) return;
  const std::vector<DivisionPoint>& points = part.divisions->value->points;
  const double inner = bend ? bend->inner.circle()->radius * scale : given.radius - kDivisionTick;
  const double outer = bend ? bend->outer.circle()->radius * scale : given.radius + kDivisionTick;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const double x = points[i].x * scale, y = points[i].y * scale;
    const double ux = x / given.radius, uy = (y - given.centre_y) / given.radius;
    drawing.lines.push_back({DrawingLayer::Divisions, inner * ux, given.centre_y + inner * uy,
                             outer * ux, given.centre_y + outer * uy});
    const double number = outer + kNumberOffset;
    drawing.numbers.push_back({std::to_string(i), number * ux, given.centre_y + number * uy});
    if (i == 0) continue;
    const double px = points[i - 1].x * scale, py = points[i - 1].y * scale;
    drawing.lines.push_back({DrawingLayer::Facets, px, py, x, y});
  }
}

}  // namespace

const char* LayerName(DrawingLayer layer) {
  switch (layer) {
    case DrawingLayer::Arc:
      return "ARC";
    case DrawingLayer::Chord:
      return "CHORD";
    case DrawingLayer::Height:
      return "HEIGHT";
    case DrawingLayer::Ordinates:
      return "ORDINATES";
    case DrawingLayer::Inner:
      return "INNER";
    case DrawingLayer::Outer:
      return "OUTER";
    case DrawingLayer::Divisions:
      return "DIVISIONS";
    case DrawingLayer::Facets:
      return "FACETS";
    case DrawingLayer::Legs:
      return "LEGS";
    case DrawingLayer::Ellipse:
      return "ELLIPSE";
  }
  return "0";
}

bool Touches(const DrawnLine& line, const DrawingBox& box) {
  return LineTouches(line, box);
}

bool Touches(const DrawnArc& arc, const DrawingBox& box) {
  return ArcTouches(arc, box);
}

namespace {

void DrawSegment(const ArcPart& part, const OutputFormat& format, double scale,
                 PartDrawing& drawing) {
  const ExactSegment& s = *part.circle();
  const double radius = s.radius * scale;
  const double height = s.height * scale;
  // The centre sits R - H below the chord; from the given lengths, not from a
  // cosine, so a flat arc's centre is as exact as its height.
  const double centre_y = height - radius;
  double start = 90 - s.angle / 2;
  if (start < 0) start += 360;
  const DrawnArc given{DrawingLayer::Arc, 0, centre_y, radius, start, 90 + s.angle / 2};
  DrawGuides(part, format, scale, -s.chord / 2, s.chord / 2, {0, s.height}, drawing);
  if (s.angle > 180) drawing.centres.push_back({0, centre_y});
  DrawProfileAndDivisions(part, given, scale, drawing);
}

}  // namespace

PartDrawing DrawPart(const ArcPart& part, const OutputFormat& format, GuideLines guides) {
  const double scale = MillimetresPer(format.unit);
  PartDrawing drawing;
  drawing.guides = guides;
  if (part.circle()) {
    DrawSegment(part, format, scale, drawing);
  } else {
    DrawArchHead(part, format, scale, drawing);
  }
  DrawLegs(part, scale, drawing);
  drawing.extent = ExtentOf(drawing);
  return drawing;
}

DrawingBox ExtentOf(const PartDrawing& drawing) {
  DrawingBox extent;
  bool first = true;
  for (const DrawnArc& arc : drawing.arcs) {
    Include(extent, At(arc, arc.start_degrees), first);
    Include(extent, At(arc, arc.end_degrees), first);
    for (const double quadrant : {0.0, 90.0, 180.0, 270.0}) {
      if (WithinSweep(arc, quadrant)) Include(extent, At(arc, quadrant), first);
    }
  }
  for (const DrawnLine& line : drawing.lines) {
    Include(extent, {line.x1, line.y1}, first);
    Include(extent, {line.x2, line.y2}, first);
  }
  for (const DrawnPolyline& polyline : drawing.polylines) {
    for (const PlanePoint& p : polyline.points) Include(extent, {p.x, p.y}, first);
  }
  return extent;
}

}  // namespace segcalc

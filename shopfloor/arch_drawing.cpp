#include "shopfloor/arch_drawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace segcalc {
namespace {

// An ellipse's true curve is drawn in straight pieces no farther than this
// from it, in mm; no more pieces than kMostPolylinePoints, whatever its size.
constexpr double kCurveTolerance = 0.01;
constexpr std::size_t kMostPolylinePoints = 200'000;

DrawnArc Scaled(const ArcPiece& piece, DrawingLayer layer, double scale) {
  return {layer,
          piece.centre_x * scale,
          piece.centre_y * scale,
          piece.radius * scale,
          piece.start_degrees,
          piece.end_degrees};
}

// Steps of the parameter short enough that each straight piece's sagitta,
// its length squared over eight times the radius of curvature, stays within
// the tolerance.
DrawnPolyline EllipseCurve(const EllipseArc& curve, double scale) {
  DrawnPolyline line{DrawingLayer::Ellipse, {}};
  const double first = curve.FirstParameter(), last = curve.LastParameter();
  const double tolerance = kCurveTolerance / scale;
  const double least_step = (last - first) / static_cast<double>(kMostPolylinePoints);
  for (double t = first;;) {
    const PlanePoint p = curve.PointAt(t);
    line.points.push_back({p.x * scale, p.y * scale});
    if (t >= last) break;
    const double s = curve.a * std::sin(t), c = curve.b * std::cos(t);
    const double speed = std::sqrt(s * s + c * c);
    const double rho = curve.RadiusOfCurvature(t);
    const double step = std::sqrt(8 * rho * tolerance) / (speed * (rho / (rho - curve.offset)));
    t = std::min(last, t + std::max(least_step, 0.9 * step));
  }
  return line;
}

// The top of the head: a crown piece's top, else its higher end.
PlanePoint Crown(const Arch& arch) {
  if (const EllipseArc* e = arch.ellipse()) return {e->shift, e->b + e->offset};
  PlanePoint top = arch.LeftEnd().y >= arch.RightEnd().y ? arch.LeftEnd() : arch.RightEnd();
  for (const ArcPiece& piece : arch.pieces()) {
    if (WithinSweep(piece, 90) && piece.centre_y + piece.radius > top.y) {
      top = {piece.centre_x, piece.centre_y + piece.radius};
    }
  }
  return top;
}

void DrawFaces(const ProfileBend& bend, double scale, PartDrawing& drawing) {
  for (const auto& [layer, face] :
       {std::pair{DrawingLayer::Inner, &bend.inner}, std::pair{DrawingLayer::Outer, &bend.outer}}) {
    for (const ArcPiece& piece : face->pieces())
      drawing.arcs.push_back(Scaled(piece, layer, scale));
  }
}

// Each division line along the arch's normal through its point, across the
// profile from the inner face to the outer (the faces share the given one's
// centres, so the radii's difference is the distance), or a short tick.
void DrawDivisions(const ArcPart& part, const ProfileBend* bend, double scale,
                   PartDrawing& drawing) {
  if (!part.divisions || !part.divisions->ok()) return;
  const std::vector<DivisionPoint>& points = part.divisions->value->points;
  double inside = -kDivisionTick, outside = kDivisionTick;
  if (bend) {
    const double given = part.arch().pieces().front().radius;
    inside = (bend->inner.pieces().front().radius - given) * scale;
    outside = (bend->outer.pieces().front().radius - given) * scale;
  }
  for (std::size_t i = 0; i < points.size(); ++i) {
    const DivisionPoint& p = points[i];
    const double x = p.x * scale, y = p.y * scale;
    const PlanePoint n = p.normal;
    drawing.lines.push_back({DrawingLayer::Divisions, x + inside * n.x, y + inside * n.y,
                             x + outside * n.x, y + outside * n.y});
    const double number = outside + kNumberOffset;
    drawing.numbers.push_back({std::to_string(i), x + number * n.x, y + number * n.y});
    if (i == 0) continue;
    drawing.lines.push_back(
        {DrawingLayer::Facets, points[i - 1].x * scale, points[i - 1].y * scale, x, y});
  }
}

}  // namespace

void DrawArchHead(const ArcPart& part, const OutputFormat& format, double scale,
                  PartDrawing& drawing) {
  const Arch& arch = part.arch();
  const ProfileBend* bend = part.profile && part.profile->ok() ? &*part.profile->value : nullptr;
  // With a profile its faces stand for the arch: each curve is drawn once.
  if (!bend) {
    for (const ArcPiece& piece : arch.pieces()) {
      drawing.arcs.push_back(Scaled(piece, DrawingLayer::Arc, scale));
    }
  }
  if (const EllipseArc* curve = arch.ellipse())
    drawing.polylines.push_back(EllipseCurve(*curve, scale));
  DrawGuides(part, format, scale, arch.LeftEnd().x, arch.RightEnd().x, Crown(arch), drawing);
  // Centres on or above the springing line lie on the template.
  for (const ArcPiece& piece : arch.pieces()) {
    if (arch.ellipse() || piece.centre_y < 0) continue;
    const PlanePoint centre{piece.centre_x * scale, piece.centre_y * scale};
    const bool known =
        std::any_of(drawing.centres.begin(), drawing.centres.end(),
                    [&](PlanePoint c) { return c.x == centre.x && c.y == centre.y; });
    if (!known) drawing.centres.push_back(centre);
  }
  if (bend) {
    DrawFaces(*bend, scale, drawing);
    DrawTails(part, *bend, scale, drawing);
  }
  DrawDivisions(part, bend, scale, drawing);
}

namespace {

struct Tail {
  PlanePoint from;
  PlanePoint direction;  // a unit vector
  double length;
};

// A tail along a leg that stands under the same end is the leg's own line
// as far as the leg goes: only what reaches beyond its foot is drawn.
std::optional<DrawnLine> TailLine(const Tail& tail, DrawingLayer layer, const ArcPart& part,
                                  bool left, double scale) {
  if (!(tail.length > 0)) return std::nullopt;
  const PlanePoint to{tail.from.x + tail.length * tail.direction.x,
                      tail.from.y + tail.length * tail.direction.y};
  PlanePoint from = tail.from;
  if (part.head.legs && std::fabs(tail.direction.x) < 1e-12) {
    const PlanePoint end = left ? part.arch().LeftEnd() : part.arch().RightEnd();
    const double foot = -(left ? part.head.legs->left : part.head.legs->right) * scale;
    const double tolerance = 1e-9 * std::max(1.0, std::fabs(from.x));
    if (std::fabs(end.x * scale - from.x) <= tolerance && to.y < from.y) {
      if (to.y >= foot) return std::nullopt;
      from.y = std::min(from.y, foot);
    }
  }
  return DrawnLine{layer, from.x, from.y, to.x, to.y};
}

}  // namespace

void DrawTails(const ArcPart& part, const ProfileBend& bend, double scale, PartDrawing& drawing) {
  for (const DrawingLayer layer : {DrawingLayer::Inner, DrawingLayer::Outer}) {
    // The face as drawn, its pieces from left to right.
    std::vector<DrawnArc> face;
    for (const DrawnArc& arc : drawing.arcs) {
      if (arc.layer == layer) face.push_back(arc);
    }
    if (face.empty()) continue;
    // An arch runs clockwise over each piece: at its left end, the piece's
    // end angle, it heads along (n.y, -n.x) for the outward normal n, and the
    // tail leaves the other way; at its right end it carries straight on.
    const double a = face.front().end_degrees * std::numbers::pi / 180;
    const double b = face.back().start_degrees * std::numbers::pi / 180;
    const DrawnArc& first = face.front();
    const DrawnArc& last = face.back();
    const Tail tails[] = {
        {{first.centre_x + first.radius * std::cos(a), first.centre_y + first.radius * std::sin(a)},
         {-std::sin(a), std::cos(a)},
         bend.tail_a * scale},
        {{last.centre_x + last.radius * std::cos(b), last.centre_y + last.radius * std::sin(b)},
         {std::sin(b), -std::cos(b)},
         bend.tail_b * scale}};
    for (int side = 0; side < 2; ++side) {
      if (auto line = TailLine(tails[side], layer, part, side == 0, scale)) {
        drawing.lines.push_back(*line);
      }
    }
  }
}

void DrawLegs(const ArcPart& part, double scale, PartDrawing& drawing) {
  const std::optional<Legs>& legs = part.head.legs;
  if (!legs) return;
  const PlanePoint left = part.arch().LeftEnd(), right = part.arch().RightEnd();
  const double left_foot = -legs->left * scale, right_foot = -legs->right * scale;
  drawing.lines.push_back(
      {DrawingLayer::Legs, left.x * scale, left.y * scale, left.x * scale, left_foot});
  drawing.lines.push_back(
      {DrawingLayer::Legs, right.x * scale, right.y * scale, right.x * scale, right_foot});
  drawing.lines.push_back(
      {DrawingLayer::Legs, left.x * scale, left_foot, right.x * scale, right_foot});
}

}  // namespace segcalc

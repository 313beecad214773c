#include "geometry/arch_chain.h"

#include <algorithm>
#include <cmath>

#include "calc/number_text.h"
#include "geometry/arch.h"
#include "geometry/area.h"

namespace segcalc {

PlanePoint ChainLeftEnd(const std::vector<ArcPiece>& pieces) {
  return pieces.front().LeftEnd();
}

PlanePoint ChainRightEnd(const std::vector<ArcPiece>& pieces) {
  return pieces.back().RightEnd();
}

double ChainTop(const std::vector<ArcPiece>& pieces) {
  double top = std::max(ChainLeftEnd(pieces).y, ChainRightEnd(pieces).y);
  for (const ArcPiece& piece : pieces) {
    if (WithinSweep(piece, 90)) top = std::max(top, piece.centre_y + piece.radius);
    top = std::max(top, piece.RightEnd().y);
  }
  return top;
}

std::optional<ArchPoint> ChainAbove(const std::vector<ArcPiece>& pieces,
                                    const std::vector<double>& starts, double x) {
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    const ArcPiece& piece = pieces[i];
    if (!(x >= piece.LeftEnd().x && x <= piece.RightEnd().x)) continue;
    const double r = piece.radius;
    const double dx = x - piece.centre_x;
    const double up = std::sqrt(std::max(0.0, (r - dx) * (r + dx)));
    const double degrees = Degrees(std::atan2(up, dx));
    return ArchPoint{x, piece.centre_y + up, starts[i] + r * Radians(piece.end_degrees - degrees)};
  }
  return std::nullopt;
}

namespace {

// Where the circles of two pieces meet, the upper of their two crossings;
// none when they do not.
std::optional<PlanePoint> UpperCrossing(const ArcPiece& p, const ArcPiece& q) {
  const double dx = q.centre_x - p.centre_x, dy = q.centre_y - p.centre_y;
  const double distance = std::hypot(dx, dy);
  if (!(distance > 0) || distance > p.radius + q.radius ||
      distance < std::abs(p.radius - q.radius)) {
    return std::nullopt;
  }
  const double along =
      (p.radius * p.radius - q.radius * q.radius + distance * distance) / (2 * distance);
  const double across = std::sqrt(std::max(0.0, p.radius * p.radius - along * along));
  const double bx = p.centre_x + along * dx / distance, by = p.centre_y + along * dy / distance;
  const PlanePoint one{bx - across * dy / distance, by + across * dx / distance};
  const PlanePoint other{bx + across * dy / distance, by - across * dx / distance};
  return one.y >= other.y ? one : other;
}

double AngleOf(const ArcPiece& piece, PlanePoint p) {
  return Degrees(std::atan2(p.y - piece.centre_y, p.x - piece.centre_x));
}

}  // namespace

Checked<std::vector<ArcPiece>> ParallelChain(const std::vector<ArcPiece>& pieces,
                                             const std::vector<bool>& corners, double d) {
  std::vector<ArcPiece> parallel;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    parallel.push_back(pieces[i].WithRadius(pieces[i].radius + d));
    if (!(parallel.back().radius > 0)) return Refused(ClosesUpMessage(i + 1, pieces[i].radius, d));
  }
  const std::string closed = "两侧圆弧在尖顶处已不相交,该面在尖顶处合拢,无法成形";
  for (std::size_t i = 0; i + 1 < parallel.size(); ++i) {
    if (!corners[i]) continue;
    ArcPiece& left = parallel[i];
    ArcPiece& right = parallel[i + 1];
    const std::optional<PlanePoint> apex = UpperCrossing(left, right);
    if (!apex) return Refused(closed);
    left.start_degrees = AngleOf(left, *apex);
    right.end_degrees = AngleOf(right, *apex);
    // Cut back past its other end, a piece is gone.
    if (!(left.end_degrees > left.start_degrees) || !(right.end_degrees > right.start_degrees)) {
      return Refused(closed);
    }
  }
  return Accepted(std::move(parallel));
}

double ChainArea(const std::vector<ArcPiece>& pieces) {
  std::vector<PlanePoint> polygon = {ChainLeftEnd(pieces)};
  for (std::size_t i = 0; i + 1 < pieces.size(); ++i) polygon.push_back(pieces[i].RightEnd());
  const PlanePoint right = ChainRightEnd(pieces);
  polygon.push_back(right);
  polygon.push_back({right.x, 0});
  polygon.push_back({polygon.front().x, 0});
  double twice = 0;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const PlanePoint& p = polygon[i];
    const PlanePoint& q = polygon[(i + 1) % polygon.size()];
    twice += p.x * q.y - q.x * p.y;
  }
  // The polygon runs clockwise (left to right over the top): its signed area
  // is negative.
  double area = -twice / 2;
  for (const ArcPiece& piece : pieces) {
    area += piece.radius * piece.radius / 2 * ThetaMinusSine(Radians(piece.SweepDegrees()));
  }
  return area;
}

std::string ClosesUpMessage(std::size_t piece, double radius, double d) {
  return "第 " + std::to_string(piece) + " 段圆弧(半径 " + FormatTwoPlaces(radius, {}) +
         ")向内偏移 " + FormatTwoPlaces(std::abs(d), {}) + " 后收拢成点,该面无法成形";
}

std::string EllipseFoldsMessage(double tightest_radius, double inward) {
  return "椭圆最弯处的曲率半径为 " + FormatTwoPlaces(tightest_radius, {}) + ",向内偏移 " +
         FormatTwoPlaces(inward, {}) + " 后该面自相交,无法成形";
}

}  // namespace segcalc

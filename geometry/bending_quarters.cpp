#include "geometry/bending_quarters.h"

#include <cmath>

#include "geometry/exact_geometry.h"

namespace segcalc {
namespace {

struct Vector2 {
  double x = 0, y = 0;
};

Vector2 Minus(Vector2 p, Vector2 q) {
  return {p.x - q.x, p.y - q.y};
}

double Dot(Vector2 p, Vector2 q) {
  return p.x * q.x + p.y * q.y;
}

// The point of the right quarter whose outward normal points at phi (radians).
Vector2 PointOfNormal(double a, double b, double phi) {
  const double t = std::atan2(b * std::sin(phi), a * std::cos(phi));
  return {a * std::cos(t), b * std::sin(t)};
}

// The normal's angle, in radians, at each joint of the right quarter, from
// pi / 2 at the crown down to 0 at the springing, equal steps of turn.
std::vector<double> EqualTurns(std::size_t arcs, double crown_share) {
  const double step = 90 / (static_cast<double>(arcs) - 1 + crown_share);
  std::vector<double> normals = {Radians(90)};
  for (std::size_t i = 1; i < arcs; ++i) {
    normals.push_back(Radians(90 - step * (crown_share + static_cast<double>(i) - 1)));
  }
  normals.push_back(0);
  return normals;
}

// Each radius nearest the ellipse's own displacement over its stretch, then
// the least change (weighted by how far it moves the chain's end) that
// closes the chain on the springing: two conditions, a 2 by 2 solve.
std::vector<double> ClosingRadii(double a, double b, const std::vector<double>& normals) {
  const std::size_t n = normals.size() - 1;
  std::vector<Vector2> u(n);
  std::vector<double> radii(n);
  double mxx = 0, mxy = 0, myy = 0, ex = a, ey = -b;
  for (std::size_t i = 0; i < n; ++i) {
    const double from = normals[i], to = normals[i + 1];
    u[i] = {std::cos(to) - std::cos(from), std::sin(to) - std::sin(from)};
    const Vector2 d = Minus(PointOfNormal(a, b, to), PointOfNormal(a, b, from));
    const double uu = Dot(u[i], u[i]);
    radii[i] = Dot(d, u[i]) / uu;
    ex -= radii[i] * u[i].x;
    ey -= radii[i] * u[i].y;
    mxx += u[i].x * u[i].x / uu;
    mxy += u[i].x * u[i].y / uu;
    myy += u[i].y * u[i].y / uu;
  }
  const double det = mxx * myy - mxy * mxy;
  const double lx = (myy * ex - mxy * ey) / det;
  const double ly = (mxx * ey - mxy * ex) / det;
  for (std::size_t i = 0; i < n; ++i) radii[i] += Dot(u[i], {lx, ly}) / Dot(u[i], u[i]);
  return radii;
}

// The circle through p whose outward normal there is n, through q too.
struct Circle {
  Vector2 centre;
  double radius = 0;
};

std::optional<Circle> ThroughWithNormal(Vector2 p, Vector2 n, Vector2 q) {
  const Vector2 d = Minus(q, p);
  const double twice = 2 * Dot(d, n);
  if (!(twice < 0)) return std::nullopt;
  const double r = -Dot(d, d) / twice;
  return Circle{{p.x - r * n.x, p.y - r * n.y}, r};
}

Vector2 NormalAt(const Circle& c, Vector2 p) {
  return {(p.x - c.centre.x) / c.radius, (p.y - c.centre.y) / c.radius};
}

// Where two arcs from p (travelling along t0) to q (arriving along t1) can
// meet tangent to each other: a circle through p and q. The junction taken is
// the point of it nearest `near`.
std::optional<Vector2> Junction(Vector2 p, Vector2 t0, Vector2 q, Vector2 t1, Vector2 near) {
  const Vector2 v = Minus(q, p);
  const double tau = std::atan2(v.y, v.x) + (std::atan2(t0.y, t0.x) - std::atan2(t1.y, t1.x)) / 2;
  const Vector2 across{-std::sin(tau), std::cos(tau)};
  const double twice = 2 * Dot(v, across);
  if (twice == 0) return std::nullopt;
  const double r = Dot(v, v) / twice;
  const Vector2 centre{p.x + r * across.x, p.y + r * across.y};
  const Vector2 toward = Minus(near, centre);
  const double length = std::hypot(toward.x, toward.y);
  if (!(length > 0)) return std::nullopt;
  return Vector2{centre.x + std::abs(r) * toward.x / length,
                 centre.y + std::abs(r) * toward.y / length};
}

// Joints halfway between equal steps of the normal's turn and of the
// ellipse's parameter: the first crowds them where the curve turns fastest,
// the second where it runs longest.
double JointNormal(double a, double b, double share_from_crown) {
  const double by_turn = Radians(90 * (1 - share_from_crown));
  const double t = Radians(90 * (1 - share_from_crown));
  const double by_parameter = std::atan2(a * std::sin(t), b * std::cos(t));
  return (by_turn + by_parameter) / 2;
}

ArcPiece PieceOf(const Circle& c, Vector2 from, Vector2 to) {
  return {c.centre.x, c.centre.y, c.radius,
          Degrees(std::atan2(to.y - c.centre.y, to.x - c.centre.x)),
          Degrees(std::atan2(from.y - c.centre.y, from.x - c.centre.x))};
}

}  // namespace

std::optional<std::vector<ArcPiece>> EqualTurnQuarter(double a, double b, std::size_t arcs,
                                                      double crown_share) {
  const std::vector<double> normals = EqualTurns(arcs, crown_share);
  const std::vector<double> radii = ClosingRadii(a, b, normals);
  std::vector<ArcPiece> pieces;
  Vector2 at{0, b};
  for (std::size_t i = 0; i < radii.size(); ++i) {
    const double r = radii[i];
    if (!(std::isfinite(r) && r > 0)) return std::nullopt;
    const double from = normals[i], to = normals[i + 1];
    ArcPiece piece{at.x - r * std::cos(from), at.y - r * std::sin(from), r, Degrees(to),
                   Degrees(from)};
    if (i == 0) piece.centre_x = 0, piece.end_degrees = 90;
    if (i + 1 == radii.size()) {
      // The springing exactly: the chain stands on y = 0 with an upright tangent.
      piece.centre_x = a - r;
      piece.centre_y = 0;
      piece.start_degrees = 0;
    }
    at = {piece.centre_x + r * std::cos(to), piece.centre_y + r * std::sin(to)};
    pieces.push_back(piece);
  }
  return pieces;
}

std::optional<std::vector<ArcPiece>> ThroughPointsQuarter(double a, double b, std::size_t arcs,
                                                          double crown_share) {
  if (arcs < 2) return std::nullopt;
  const std::size_t on_curve = arcs - 2;  // joints on the ellipse before the last pair
  const double whole = static_cast<double>(arcs) - 1 + crown_share;
  std::vector<ArcPiece> pieces;
  Vector2 at{0, b};
  Vector2 normal{0, 1};
  for (std::size_t i = 1; i <= on_curve; ++i) {
    const double share = (static_cast<double>(i) - 1 + crown_share) / whole;
    const Vector2 next = PointOfNormal(a, b, JointNormal(a, b, share));
    const std::optional<Circle> c = ThroughWithNormal(at, normal, next);
    if (!c) return std::nullopt;
    ArcPiece piece = PieceOf(*c, at, next);
    if (i == 1) piece.centre_x = 0, piece.end_degrees = 90;
    pieces.push_back(piece);
    normal = NormalAt(*c, next);
    at = next;
  }
  const Vector2 springing{a, 0};
  const Vector2 near =
      PointOfNormal(a, b, JointNormal(a, b, (static_cast<double>(on_curve) + crown_share) / whole));
  const std::optional<Vector2> junction =
      Junction(at, {normal.y, -normal.x}, springing, {0, -1}, near);
  if (!junction) return std::nullopt;
  const std::optional<Circle> first = ThroughWithNormal(at, normal, *junction);
  if (!first) return std::nullopt;
  const std::optional<Circle> last =
      ThroughWithNormal(*junction, NormalAt(*first, *junction), springing);
  if (!last) return std::nullopt;
  pieces.push_back(PieceOf(*first, at, *junction));
  if (on_curve == 0) pieces.back().centre_x = 0, pieces.back().end_degrees = 90;
  ArcPiece end = PieceOf(*last, *junction, springing);
  end.centre_y = 0;
  end.centre_x = a - end.radius;
  end.start_degrees = 0;
  pieces.push_back(end);
  for (const ArcPiece& piece : pieces) {
    if (!(std::isfinite(piece.radius) && piece.radius > 0 &&
          piece.end_degrees > piece.start_degrees)) {
      return std::nullopt;
    }
  }
  return pieces;
}

}  // namespace segcalc

// Pieces of equal length along a head that is not one circle: a chain of
// several radii or an ellipse. Each piece and each joint is worked out on
// its own, since no two need be alike.

#include <algorithm>
#include <cmath>

#include "geometry/divisions.h"

namespace segcalc {
namespace {

double Dot(PlanePoint p, PlanePoint q) {
  return p.x * q.x + p.y * q.y;
}

double Cross(PlanePoint p, PlanePoint q) {
  return p.x * q.y - p.y * q.x;
}

PlanePoint Minus(PlanePoint p, PlanePoint q) {
  return {p.x - q.x, p.y - q.y};
}

// The unit vector along the straight member from p to q.
PlanePoint Along(PlanePoint p, PlanePoint q) {
  const PlanePoint d = Minus(q, p);
  const double length = std::hypot(d.x, d.y);
  return length > 0 ? PlanePoint{d.x / length, d.y / length} : PlanePoint{1, 0};
}

// The angle between two directions, 0 to 180 degrees.
double AngleBetween(PlanePoint u, PlanePoint v) {
  return Degrees(std::atan2(std::abs(Cross(u, v)), Dot(u, v)));
}

// The division points at equal lengths along the given face, the ends exact.
std::vector<ArchFrame> Places(const Arch& arch, std::size_t n) {
  const double length = arch.Length();
  std::vector<ArchFrame> places;
  places.reserve(n + 1);
  for (std::size_t k = 0; k <= n; ++k) {
    ArchFrame frame = arch.At(length * (static_cast<double>(k) / static_cast<double>(n)));
    if (k == 0) frame.point = arch.LeftEnd();
    if (k == n) frame.point = arch.RightEnd();
    places.push_back(frame);
  }
  return places;
}

// How far a face's stretch between two places stands out from the straight
// line joining its ends: on a circle the farthest point is where the radius
// runs square to that line, on an ellipse where the tangent runs along it;
// on a chain the joints inside the stretch are candidates too.
double StretchDeviation(const Arch& face, const ArchFrame& from, const ArchFrame& to) {
  const PlanePoint p = face.PointAtParameter(from.piece, from.parameter);
  const PlanePoint q = face.PointAtParameter(to.piece, to.parameter);
  const PlanePoint along = Along(p, q);
  const PlanePoint up{-along.y, along.x};
  const auto height = [&](PlanePoint r) { return Dot(Minus(r, p), up); };
  double best = 0;
  if (const EllipseArc* e = face.ellipse()) {
    const double t = std::atan2(e->b * along.x, e->a * along.y);
    if (t > from.parameter && t < to.parameter) best = height(e->PointAt(t));
    return best;
  }
  const double farthest = Degrees(std::atan2(up.y, up.x));
  for (std::size_t i = from.piece; i <= to.piece && i < face.pieces().size(); ++i) {
    const ArcPiece& piece = face.pieces()[i];
    const double hi = i == from.piece ? from.parameter : piece.end_degrees;
    const double lo = i == to.piece ? to.parameter : piece.end_degrees - piece.SweepDegrees();
    if (farthest > lo && farthest < hi) {
      best = std::max(best, height({piece.centre_x + piece.radius * up.x,
                                    piece.centre_y + piece.radius * up.y}));
    }
    if (i != to.piece) best = std::max(best, height(piece.RightEnd()));
  }
  return best;
}

struct FaceOf {
  const Arch* arch;
  std::optional<ProfileFace> face;
};

Divisions Divided(const Arch& given, const ProfileBend* profile, std::size_t n) {
  Divisions d;
  d.count = n;
  d.uniform = false;
  const std::vector<ArchFrame> places = Places(given, n);
  const double length = given.Length();
  for (std::size_t k = 0; k <= n; ++k) {
    const double s = k == n ? length : length * (static_cast<double>(k) / static_cast<double>(n));
    d.points.push_back({places[k].point.x, places[k].point.y, s, places[k].normal});
  }
  std::vector<FaceOf> faces;
  if (profile) {
    for (const ProfileFace face : kProfileFaces) faces.push_back({&profile->Face(face), face});
  }
  for (std::size_t k = 0; k < n; ++k) {
    const ArchFrame& from = places[k];
    const ArchFrame& to = places[k + 1];
    DivisionFacet facet;
    facet.arc = d.points[k + 1].s - d.points[k].s;
    facet.chord = std::hypot(to.point.x - from.point.x, to.point.y - from.point.y);
    facet.deviation = StretchDeviation(given, from, to);
    for (const FaceOf& face : faces) {
      const PlanePoint p = face.arch->PointAtParameter(from.piece, from.parameter);
      const PlanePoint q = face.arch->PointAtParameter(to.piece, to.parameter);
      const double arc = face.arch->LengthAtParameter(to.piece, to.parameter) -
                         face.arch->LengthAtParameter(from.piece, from.parameter);
      facet.faces.push_back({face.face, 0.0, arc, std::hypot(q.x - p.x, q.y - p.y)});
    }
    if (profile) {
      // From the outer stretch's farthest point to the inner ends below its chord.
      const PlanePoint p = profile->outer.PointAtParameter(from.piece, from.parameter);
      const PlanePoint q = profile->outer.PointAtParameter(to.piece, to.parameter);
      const PlanePoint along = Along(p, q);
      const PlanePoint up{-along.y, along.x};
      double below = 0;
      for (const ArchFrame* end : {&from, &to}) {
        const PlanePoint r = profile->inner.PointAtParameter(end->piece, end->parameter);
        below = std::max(below, -Dot(Minus(r, p), up));
      }
      facet.stock_width = StretchDeviation(profile->outer, from, to) + below;
      d.stock_width = std::max(d.stock_width.value_or(0.0), *facet.stock_width);
    }
    d.max_deviation = std::max(d.max_deviation, facet.deviation);
    d.facets.push_back(std::move(facet));
  }
  // A member is cut square to the division line at the ends, and on the
  // bisector of the turn where two members meet.
  for (std::size_t k = 0; k <= n; ++k) {
    const PlanePoint normal = places[k].normal;
    const PlanePoint tangent{normal.y, -normal.x};
    DivisionJoint joint;
    if (k == 0 || k == n) {
      const PlanePoint member = k == 0 ? Along(places[0].point, places[1].point)
                                       : Along(places[n - 1].point, places[n].point);
      joint.mitre = AngleBetween(member, tangent);
    } else {
      const double turn = AngleBetween(Along(places[k - 1].point, places[k].point),
                                       Along(places[k].point, places[k + 1].point));
      joint.mitre = turn / 2;
      joint.fold = 180 - turn;
    }
    d.mitre_angle = std::max(d.mitre_angle, joint.mitre);
    d.joints.push_back(joint);
  }
  d.piece_angle = 2 * d.mitre_angle;
  d.panel_angle = 180 - d.piece_angle;
  return d;
}

// The largest piece chord on the outer face, or on the given face without a
// profile: what a panel width limits.
double WidestPiece(const Divisions& d, bool profiled) {
  double widest = 0;
  for (const DivisionFacet& facet : d.facets) {
    widest = std::max(widest, profiled ? facet.faces.back().chord : facet.chord);
  }
  return widest;
}

}  // namespace

Checked<Divisions> DivideAlong(const Arch& given, const ProfileBend* profile,
                               const DivisionRequest& request) {
  const double length = given.Length();
  if (!(std::isfinite(length) && length > 0)) return Refused("圆弧数据无效");
  if (std::string problem = DivisionRequestProblem(request); !problem.empty()) {
    return Refused(problem);
  }
  if (request.rule == DivisionRule::Count) {
    return Accepted(Divided(given, profile, static_cast<std::size_t>(request.value)));
  }
  const auto within = [&](std::size_t n) {
    const Divisions d = Divided(given, profile, n);
    return request.rule == DivisionRule::MaxDeviation
               ? d.max_deviation <= request.value
               : WidestPiece(d, profile != nullptr) <= request.value;
  };
  // Doubling, then halving the gap: the limits shrink as the count grows.
  std::size_t lo = 0, hi = 1;
  while (!within(hi)) {
    if (hi == kMaxDivisions) return Refused(TooManyDivisions());
    lo = hi;
    hi = std::min(2 * hi, kMaxDivisions);
  }
  while (hi - lo > 1) {
    const std::size_t mid = lo + (hi - lo) / 2;
    (within(mid) ? hi : lo) = mid;
  }
  return Accepted(Divided(given, profile, hi));
}

}  // namespace segcalc

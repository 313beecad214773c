#include "geometry/divisions.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace segcalc {
namespace {

// A facet's sagitta over phi radians of radius r, r (1 - cos(phi / 2)), written
// as 2 r sin^2(phi / 4) so that the small angles of a fine division keep their
// digits; the least-N searches compare it with S near its last bit.
double Sagitta(double r, double phi) {
  const double s = std::sin(phi / 4);
  return 2 * r * s * s;
}

double PieceChord(double r, double phi) {
  return 2 * r * std::sin(phi / 2);
}

// The least N from `first` on for which within(N) holds, when it fails below
// that N and holds from it on. The closed-form estimate lands within a count
// or two of it; the steps settle the boundary on the very values compared.
template <typename Within>
Checked<std::size_t> LeastCount(double estimate, std::size_t first, Within within) {
  constexpr std::size_t kBeyond = kMaxDivisions + 1;
  if (!(estimate <= static_cast<double>(kBeyond))) return Refused(TooManyDivisions());
  std::size_t n = std::clamp(static_cast<std::size_t>(std::ceil(estimate)), first, kBeyond);
  while (n > first && within(n - 1)) --n;
  while (n <= kMaxDivisions && !within(n)) ++n;
  if (n > kMaxDivisions) return Refused(TooManyDivisions());
  return Accepted(n);
}

Checked<std::size_t> CountFor(const DivisionRequest& request, double given_radius,
                              double outer_radius, double theta) {
  const double value = request.value;
  if (std::string problem = DivisionRequestProblem(request); !problem.empty()) {
    return Refused(problem);
  }
  if (request.rule == DivisionRule::Count) return Accepted(static_cast<std::size_t>(value));
  const bool deviation = request.rule == DivisionRule::MaxDeviation;
  const auto n_of = [theta](std::size_t n) { return theta / static_cast<double>(n); };
  if (deviation) {
    // The sagitta grows with the piece angle all the way to a whole circle.
    const auto within = [&](std::size_t n) { return Sagitta(given_radius, n_of(n)) <= value; };
    if (within(1)) return Accepted(std::size_t{1});
    return LeastCount(theta / (4 * std::asin(std::sqrt(value / (2 * given_radius)))), 1, within);
  }
  // The piece chord shrinks with N from two pieces on; one piece beyond a
  // semicircle may have a shorter chord than two, so it is tried first.
  const auto within = [&](std::size_t n) { return PieceChord(outer_radius, n_of(n)) <= value; };
  if (within(1)) return Accepted(std::size_t{1});
  return LeastCount(theta / (2 * std::asin(value / (2 * outer_radius))), 2, within);
}

// Up to a half circle per piece the stock runs from the outer arc's middle to
// the inner arc's ends: (R_outer - R_inner) + R_inner (1 - cos(phi / 2)). A
// larger piece reaches lower at its outer ends, and needs the outer sagitta.
double StockWidth(const ProfileBend& profile, double phi) {
  const double inner = profile.inner.circle()->radius;
  const double outer = profile.outer.circle()->radius;
  if (phi <= std::numbers::pi) return (outer - inner) + Sagitta(inner, phi);
  return Sagitta(outer, phi);
}

std::vector<DivisionPoint> PointsOn(const ExactSegment& arc, std::size_t n, double theta) {
  std::vector<DivisionPoint> points;
  points.reserve(n + 1);
  const double r = arc.radius;
  const double count = static_cast<double>(n);
  points.push_back({-arc.chord / 2, 0.0, 0.0, {}});
  for (std::size_t i = 1; i < n; ++i) {
    const double at = static_cast<double>(i);
    // The angle from the arc's middle, and y = R (cos(from middle) - cos(half
    // the angle)) as a product of sines: no cancellation near the ends.
    const double from_middle = theta * ((2 * at - count) / (2 * count));
    const double before = theta * (at / count);
    const double after = theta * ((count - at) / count);
    points.push_back({r * std::sin(from_middle),
                      2 * r * std::sin(before / 2) * std::sin(after / 2),
                      arc.arc * (at / count),
                      {}});
  }
  points.push_back({arc.chord / 2, 0.0, arc.arc, {}});
  return points;
}

Checked<Divisions> DivideFaces(const ExactSegment& given, const ProfileBend* profile,
                               const DivisionRequest& request) {
  if (!(std::isfinite(given.radius) && given.radius > 0 && given.angle > 0 && given.angle < 360)) {
    return Refused("圆弧数据无效");
  }
  const double theta = Radians(given.angle);
  const double outer_radius = profile != nullptr ? profile->outer.circle()->radius : given.radius;
  const Checked<std::size_t> count = CountFor(request, given.radius, outer_radius, theta);
  if (!count.ok()) return Refused(count.error);

  Divisions d;
  d.count = *count.value;
  const double phi = theta / static_cast<double>(d.count);
  d.piece_angle = given.angle / static_cast<double>(d.count);
  d.mitre_angle = d.piece_angle / 2;
  d.panel_angle = 180 - d.piece_angle;  // the polygon's interior angle at each joint
  d.max_deviation = Sagitta(given.radius, phi);
  const auto add_piece = [&](std::optional<ProfileFace> face, double r) {
    d.pieces.push_back({face, r, r * phi, PieceChord(r, phi)});
  };
  if (profile != nullptr) {
    for (const ProfileFace face : {ProfileFace::Inner, ProfileFace::Centre, ProfileFace::Outer}) {
      add_piece(face, profile->Face(face).circle()->radius);
    }
    d.stock_width = StockWidth(*profile, phi);
  } else {
    add_piece(std::nullopt, given.radius);
  }
  d.points = PointsOn(given, d.count, theta);
  return Accepted(std::move(d));
}

}  // namespace

std::string TooManyDivisions() {
  return "所需分段数超过 " + std::to_string(kMaxDivisions);
}

std::string DivisionRequestProblem(const DivisionRequest& request) {
  const double value = request.value;
  switch (request.rule) {
    case DivisionRule::Count:
      if (!(value >= 1 && value <= static_cast<double>(kMaxDivisions) &&
            value == std::floor(value))) {
        return "分段数应为 1 到 " + std::to_string(kMaxDivisions) + " 之间的整数";
      }
      return {};
    case DivisionRule::MaxDeviation:
      if (!(std::isfinite(value) && value > 0)) return "最大偏差应为大于 0 的数";
      return {};
    case DivisionRule::MaxPieceChord:
      if (!(std::isfinite(value) && value > 0)) return "最大分段弦长应为大于 0 的数";
      return {};
  }
  return "分段方式无效";
}

Checked<Divisions> Divide(const Arch& arch, const DivisionRequest& request) {
  if (const ExactSegment* circle = arch.circle()) return DivideFaces(*circle, nullptr, request);
  return DivideAlong(arch, nullptr, request);
}

Checked<Divisions> Divide(const ExactSegment& arc, const DivisionRequest& request) {
  return DivideFaces(arc, nullptr, request);
}

Checked<Divisions> Divide(const ProfileBend& profile, const DivisionRequest& request) {
  const Arch& given = profile.Face(profile.given_face);
  if (const ExactSegment* circle = given.circle()) return DivideFaces(*circle, &profile, request);
  return DivideAlong(given, &profile, request);
}

}  // namespace segcalc

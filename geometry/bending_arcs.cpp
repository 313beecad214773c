#include "geometry/bending_arcs.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "calc/number_text.h"
#include "geometry/bending_quarters.h"
#include "geometry/ellipse_distance.h"
#include "geometry/exact_geometry.h"

namespace segcalc {
namespace {

ArcPiece Mirrored(const ArcPiece& piece) {
  return {-piece.centre_x, piece.centre_y, piece.radius, 180 - piece.end_degrees,
          180 - piece.start_degrees};
}

// The whole head, or one quarter, from left to right, moved to the curve's
// centre.
std::vector<ArcPiece> Assemble(const EllipseArc& curve, const std::vector<ArcPiece>& right) {
  std::vector<ArcPiece> pieces;
  if (curve.span != EllipseSpan::RightQuarter) {
    for (auto it = right.rbegin(); it != right.rend(); ++it) pieces.push_back(Mirrored(*it));
  }
  if (curve.span == EllipseSpan::Half) {
    // The crown's two halves are one arc.
    pieces.back().start_degrees = right.front().start_degrees;
    pieces.insert(pieces.end(), right.begin() + 1, right.end());
  } else if (curve.span == EllipseSpan::RightQuarter) {
    pieces = right;
  }
  for (ArcPiece& piece : pieces) {
    piece.centre_x += curve.shift;
    piece.radius += curve.offset;
  }
  return pieces;
}

// The distance from the curve's ellipse (its offset taken off) along a
// piece: sampled, then the largest sample narrowed down by thirds.
double PieceDeviation(const EllipseArc& curve, const ArcPiece& piece) {
  const auto distance = [&](double degrees) {
    const PlanePoint p = piece.PointAt(degrees);
    return std::abs(DistanceToEllipse(curve.a, curve.b, {p.x - curve.shift, p.y}) -
                    std::abs(curve.offset));
  };
  constexpr int kSamples = 32;
  const double sweep = piece.SweepDegrees();
  double best = 0, best_at = piece.start_degrees;
  for (int i = 0; i <= kSamples; ++i) {
    const double at = piece.start_degrees + sweep * i / kSamples;
    if (const double d = distance(at); d > best) best = d, best_at = at;
  }
  double lo = best_at - sweep / kSamples, hi = best_at + sweep / kSamples;
  lo = std::max(lo, piece.start_degrees);
  hi = std::min(hi, piece.start_degrees + sweep);
  for (int i = 0; i < 40; ++i) {
    const double m1 = lo + (hi - lo) / 3, m2 = hi - (hi - lo) / 3;
    if (distance(m1) < distance(m2)) {
      lo = m1;
    } else {
      hi = m2;
    }
  }
  return std::max(best, distance(lo + (hi - lo) / 2));
}

}  // namespace

std::size_t FewestArcsPossible(EllipseSpan span) {
  return span == EllipseSpan::Half ? 3 : 2;
}

Checked<BendingArcs> BendEllipse(const EllipseArc& curve, std::size_t count) {
  const bool half = curve.span == EllipseSpan::Half;
  if (count < FewestArcsPossible(curve.span) || count > kMaxBendingArcs ||
      (half && count % 2 == 0)) {
    return Refused(half ? "椭圆拱的弯弧段数应为 3 到 " + std::to_string(kMaxBendingArcs) +
                              " 之间的奇数(左右对称,拱顶一段)"
                        : "四分之一椭圆的弯弧段数应为 2 到 " + std::to_string(kMaxBendingArcs) +
                              " 之间的整数");
  }
  const std::size_t quarter = half ? (count + 1) / 2 : count;
  const double crown_share = half ? 0.5 : 1.0;
  // Both ways, and the one nearer the curve.
  std::optional<BendingArcs> best;
  for (const auto& lay : {EqualTurnQuarter, ThroughPointsQuarter}) {
    const std::optional<std::vector<ArcPiece>> right = lay(curve.a, curve.b, quarter, crown_share);
    if (!right) continue;
    BendingArcs arcs;
    arcs.pieces = Assemble(curve, *right);
    bool usable = true;
    for (const ArcPiece& piece : arcs.pieces) {
      usable = usable && piece.radius > 0;
      if (usable) arcs.deviation = std::max(arcs.deviation, PieceDeviation(curve, piece));
    }
    if (usable && (!best || arcs.deviation < best->deviation)) best = std::move(arcs);
  }
  if (!best) return Refused("椭圆太扁," + std::to_string(count) + " 段圆弧弯不出,请增加段数");
  return Accepted(std::move(*best));
}

Checked<BendingArcs> FewestBendingArcs(const EllipseArc& curve, double tolerance) {
  if (!(std::isfinite(tolerance) && tolerance > 0)) return Refused("弯弧允许偏差应为大于 0 的数");
  const std::size_t step = curve.span == EllipseSpan::Half ? 2 : 1;
  for (std::size_t count = FewestArcsPossible(curve.span); count <= kMaxBendingArcs;
       count += step) {
    Checked<BendingArcs> arcs = BendEllipse(curve, count);
    if (arcs.ok() && arcs.value->deviation <= tolerance) return arcs;
  }
  return Refused("弯弧段数超过 " + std::to_string(kMaxBendingArcs) + " 仍达不到允许偏差 " +
                 FormatNumber(tolerance, {}));
}

}  // namespace segcalc

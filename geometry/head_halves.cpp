#include "geometry/head_halves.h"

#include <cmath>

#include "geometry/exact_geometry.h"

namespace segcalc {
namespace {

ArcPiece Mirrored(const ArcPiece& piece) {
  return {-piece.centre_x, piece.centre_y, piece.radius, 180 - piece.end_degrees,
          180 - piece.start_degrees};
}

std::vector<ArcPiece> LeftHalf(const HalfHead& half) {
  std::vector<ArcPiece> left;
  for (auto it = half.right.rbegin(); it != half.right.rend(); ++it) left.push_back(Mirrored(*it));
  return left;
}

}  // namespace

Checked<HalfHead> SegmentHalf(double a, double h) {
  if (!(h <= a)) return Refused("半个弓形最多到半圆为止:拱高不能超过其跨度");
  const double radius = (a * a + h * h) / (2 * h);
  // tan(t / 2) = h / a for the half-angle t of the whole segment.
  const double half_angle = Degrees(2 * std::atan(h / a));
  return Accepted(HalfHead{{{0, h - radius, radius, 90 - half_angle, 90}}, false});
}

HalfHead SemicircleHalf(double a) {
  return {{{0, 0, a, 0, 90}}, false};
}

Checked<HalfHead> PointedHalfOfRise(double a, double h) {
  if (!(h > a)) return Refused("尖拱的拱高应大于跨度之半");
  const double radius = (a * a + h * h) / (2 * a);
  const double e = radius - a;  // each centre's distance from the axis
  return Accepted(HalfHead{{{-e, 0, radius, 0, Degrees(std::atan2(h, e))}}, true});
}

Checked<HalfHead> PointedHalfOfRadius(double a, double radius) {
  if (!(radius > a)) return Refused("尖拱的半径应大于跨度之半");
  const double e = radius - a;
  const double h = std::sqrt(a * (2 * radius - a));
  return Accepted(HalfHead{{{-e, 0, radius, 0, Degrees(std::atan2(h, e))}}, true});
}

// With c = sqrt(a^2 + b^2): r = c (c - a + b) / (2 a), R = c (c + a - b) / (2 b).
// A given r < b fixes R by tangency, the distance of the centres being R - r:
// R = (a^2 + b^2 - 2 a r) / (2 (b - r)).
Checked<HalfHead> ThreeCentredHalf(double a, double b, std::optional<double> small_radius) {
  if (!(b < a)) return Refused("三心拱的拱高应小于跨度之半");
  double r = 0, big = 0;
  if (small_radius) {
    r = *small_radius;
    if (!(r > 0 && r < b)) return Refused("三心拱的小圆半径应大于 0 且小于拱高");
    big = (a * a + b * b - 2 * a * r) / (2 * (b - r));
  } else {
    const double c = std::hypot(a, b);
    r = c * (c - a + b) / (2 * a);
    big = c * (c + a - b) / (2 * b);
  }
  if (!(std::isfinite(big) && big > b)) return Refused("三心拱无法由这些尺寸构成");
  // The joint lies on the line through both centres.
  const double joint = Degrees(std::atan2(big - b, a - r));
  return Accepted(HalfHead{{{0, b - big, big, joint, 90}, {a - r, 0, r, 0, joint}}, false});
}

Arch WholeHead(const HalfHead& half) {
  std::vector<ArcPiece> pieces = LeftHalf(half);
  std::vector<bool> corners(pieces.size() - 1, false);
  if (half.corner_at_crown) {
    corners.push_back(true);
    pieces.insert(pieces.end(), half.right.begin(), half.right.end());
  } else {
    // The crown piece's two halves are one arc.
    pieces.back().start_degrees = half.right.front().start_degrees;
    pieces.insert(pieces.end(), half.right.begin() + 1, half.right.end());
  }
  corners.resize(pieces.size() - 1, false);
  return Arch::OfPieces(std::move(pieces), std::move(corners));
}

Arch QuarterHead(const HalfHead& half, bool left, double width) {
  std::vector<ArcPiece> pieces = left ? LeftHalf(half) : half.right;
  for (ArcPiece& piece : pieces) piece.centre_x += (left ? 1 : -1) * width / 2;
  std::vector<bool> corners(pieces.size() - 1, false);
  return Arch::OfPieces(std::move(pieces), std::move(corners));
}

}  // namespace segcalc

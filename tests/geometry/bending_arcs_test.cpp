// The arcs a bender rolls in place of an ellipse: tangent to each other,
// standing upright on the springing with the crown's centre on the axis,
// within the tolerance of the true curve on a fine sample of its own, and
// the fewest that are: with the next fewer count they are not.

#include "geometry/bending_arcs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace segcalc {
namespace {

// The distance from p to the ellipse, by a dense walk along the ellipse and
// a narrowing around the nearest sample: not the code's own method.
double Distance(double a, double b, PlanePoint p) {
  const auto at = [&](double t) {
    return std::hypot(a * std::cos(t) - p.x, b * std::sin(t) - p.y);
  };
  constexpr int kSamples = 1000;
  double best = at(0), best_t = 0;
  for (int i = 1; i <= kSamples; ++i) {
    const double t = std::numbers::pi * i / kSamples;
    if (at(t) < best) best = at(t), best_t = t;
  }
  double lo = best_t - std::numbers::pi / kSamples, hi = best_t + std::numbers::pi / kSamples;
  for (int i = 0; i < 100; ++i) {
    const double m1 = lo + (hi - lo) / 3, m2 = hi - (hi - lo) / 3;
    (at(m1) < at(m2) ? hi : lo) = at(m1) < at(m2) ? m2 : m1;
  }
  return std::min(best, at((lo + hi) / 2));
}

double FineDeviation(const EllipseArc& curve, const std::vector<ArcPiece>& pieces) {
  double worst = 0;
  for (const ArcPiece& piece : pieces) {
    for (int i = 0; i <= 100; ++i) {
      const PlanePoint p = piece.PointAt(piece.start_degrees + piece.SweepDegrees() * i / 100);
      worst = std::max(worst, Distance(curve.a, curve.b, {p.x - curve.shift, p.y}));
    }
  }
  return worst;
}

struct Bent {
  const char* name;
  EllipseArc curve;
  double tolerance;
};

std::ostream& operator<<(std::ostream& out, const Bent& c) {
  return out << c.name;
}

class Bending : public ::testing::TestWithParam<Bent> {};

TEST_P(Bending, FewestTangentArcsWithinTheTolerance) {
  const Bent& c = GetParam();
  const Checked<BendingArcs> arcs = FewestBendingArcs(c.curve, c.tolerance);
  ASSERT_TRUE(arcs.ok()) << arcs.error;
  const std::vector<ArcPiece>& pieces = arcs.value->pieces;
  for (std::size_t i = 0; i + 1 < pieces.size(); ++i) {
    const PlanePoint end = pieces[i].RightEnd(), start = pieces[i + 1].LeftEnd();
    EXPECT_NEAR(std::hypot(end.x - start.x, end.y - start.y), 0, 1e-6) << i;
    EXPECT_NEAR(pieces[i].start_degrees, pieces[i + 1].end_degrees, 1e-9) << i;
  }
  // Upright on the springing: the end pieces' centres on y = 0.
  if (c.curve.span != EllipseSpan::RightQuarter) {
    EXPECT_EQ(pieces.front().centre_y, 0);
    EXPECT_EQ(pieces.front().end_degrees, 180);
  }
  if (c.curve.span != EllipseSpan::LeftQuarter) {
    EXPECT_EQ(pieces.back().centre_y, 0);
    EXPECT_EQ(pieces.back().start_degrees, 0);
  }
  const double fine = FineDeviation(c.curve, pieces);
  EXPECT_LE(fine, c.tolerance);
  EXPECT_NEAR(fine, arcs.value->deviation, 1e-3 * c.tolerance);
  const std::size_t step = c.curve.span == EllipseSpan::Half ? 2 : 1;
  if (pieces.size() - step >= FewestArcsPossible(c.curve.span)) {
    const Checked<BendingArcs> fewer = BendEllipse(c.curve, pieces.size() - step);
    if (fewer.ok()) {
      EXPECT_GT(FineDeviation(c.curve, fewer.value->pieces), c.tolerance);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Ellipses, Bending,
    ::testing::Values(Bent{"WindowHead", {1000, 600, 0, EllipseSpan::Half, 0}, 0.5},
                      Bent{"FlatCurtainWall", {3000, 500, 0, EllipseSpan::Half, 0}, 2},
                      Bent{"TallDoor", {450, 1200, 0, EllipseSpan::Half, 0}, 0.5},
                      Bent{"NearlyRound", {1000, 980, 0, EllipseSpan::Half, 0}, 0.1},
                      Bent{"LeftQuarter", {700, 400, 0, EllipseSpan::LeftQuarter, 350}, 0.5},
                      Bent{"RightQuarter", {700, 400, 0, EllipseSpan::RightQuarter, -350}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Bending, AGivenCountIsKeptAndAWrongOneRefused) {
  const EllipseArc head{1000, 600, 0, EllipseSpan::Half, 0};
  const Checked<BendingArcs> seven = BendEllipse(head, 7);
  ASSERT_TRUE(seven.ok()) << seven.error;
  EXPECT_EQ(seven.value->pieces.size(), 7u);
  EXPECT_FALSE(BendEllipse(head, 6).ok());
  EXPECT_FALSE(BendEllipse(head, 1).ok());
  EXPECT_FALSE(BendEllipse(head, kMaxBendingArcs + 2).ok());
  const EllipseArc quarter{1000, 600, 0, EllipseSpan::LeftQuarter, 500};
  EXPECT_EQ(BendEllipse(quarter, 4).value->pieces.size(), 4u);
}

}  // namespace
}  // namespace segcalc

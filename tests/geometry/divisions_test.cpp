#include "geometry/divisions.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <numbers>

#include "tests/geometry/textbook_circle.h"

namespace segcalc {
namespace {

using textbook::Circle;
using textbook::FromCentre;

constexpr double kDegree = std::numbers::pi / 180;

struct ArcCase {
  const char* name;
  double radius;
  double degrees;
  double depth;  // 0: no profile
};

std::ostream& operator<<(std::ostream& out, const ArcCase& c) {
  return out << c.name;
}

class DividedArcs : public ::testing::TestWithParam<ArcCase> {
 protected:
  ExactSegment Given() const { return Circle(GetParam().radius, GetParam().degrees); }
  Checked<Divisions> DivideBy(const DivisionRequest& request) const {
    const ArcCase& c = GetParam();
    if (c.depth == 0) return Divide(Given(), request);
    const Checked<ProfileBend> profile = BendProfile(Given(), {c.depth, ProfileFace::Centre});
    EXPECT_TRUE(profile.ok()) << profile.error;
    return Divide(*profile.value, request);
  }
  // The radius the piece chord limit applies to.
  double OuterRadius() const { return GetParam().radius + GetParam().depth / 2; }
};

TEST_P(DividedArcs, PiecesAddUpToTheArcAndThePointsLieOnTheCircle) {
  const ExactSegment given = Given();
  for (const double n : {1.0, 2.0, 7.0, 360.0}) {
    const Checked<Divisions> d = DivideBy({DivisionRule::Count, n});
    ASSERT_TRUE(d.ok()) << d.error;
    EXPECT_EQ(d.value->count, static_cast<std::size_t>(n));
    EXPECT_EQ(d.value->pieces.size(), GetParam().depth == 0 ? 1u : 3u);
    for (const FacePiece& piece : d.value->pieces) {
      const double face_arc = piece.radius * GetParam().degrees * kDegree;
      EXPECT_NEAR(piece.arc * n, face_arc, 1e-12 * face_arc);
      EXPECT_LT(piece.chord, piece.arc);
    }
    if (d.value->stock_width) {
      // The stock is as deep as one piece reaches along its own axis: from the
      // outer arc's middle to the lowest of its four arc ends.
      const double half = given.angle / n * kDegree / 2;
      const double outer = d.value->pieces[2].radius, inner = d.value->pieces[0].radius;
      const double lowest = std::min(outer * std::cos(half), inner * std::cos(half));
      EXPECT_NEAR(*d.value->stock_width, outer - lowest, 1e-9 * outer) << n;
    }
    const std::vector<DivisionPoint>& points = d.value->points;
    ASSERT_EQ(points.size(), d.value->count + 1);
    for (std::size_t i = 0; i < points.size(); ++i) {
      EXPECT_NEAR(FromCentre(given, points[i].x, points[i].y), given.radius, 1e-12 * given.radius);
      EXPECT_NEAR(points[i].s, given.arc * static_cast<double>(i) / n, 1e-12 * given.arc);
      // Adjacent points are a piece chord apart.
      if (i > 0) {
        const double gap = std::hypot(points[i].x - points[i - 1].x, points[i].y - points[i - 1].y);
        EXPECT_NEAR(gap, 2 * given.radius * std::sin(given.angle / n * kDegree / 2),
                    1e-9 * given.radius);
      }
      // Two flat panels meet at the panel angle; each member end turns half
      // the difference from straight.
      if (i > 0 && i + 1 < points.size()) {
        const double ax = points[i].x - points[i - 1].x, ay = points[i].y - points[i - 1].y;
        const double bx = points[i + 1].x - points[i].x, by = points[i + 1].y - points[i].y;
        const double turn = std::abs(std::atan2(ax * by - ay * bx, ax * bx + ay * by)) / kDegree;
        EXPECT_NEAR(d.value->panel_angle, 180 - turn, 1e-7);
        EXPECT_NEAR(d.value->mitre_angle, turn / 2, 1e-7);
      }
    }
    EXPECT_EQ(points.back().s, given.arc);
  }
}

// For the least N the facets (or the outer piece chords) are within the limit
// and with one piece fewer they are not, by the textbook forms of both.
TEST_P(DividedArcs, LeastCountsMeetTheirLimitAndOneFewerDoesNot) {
  const ExactSegment given = Given();
  const double theta = given.angle * kDegree;
  const auto sagitta = [&](std::size_t n) {
    return given.radius - given.radius * std::cos(theta / static_cast<double>(n) / 2);
  };
  const auto chord = [&](std::size_t n) {
    return 2 * OuterRadius() * std::sin(theta / static_cast<double>(n) / 2);
  };
  const double slack = 1 + 1e-12;
  for (const double share : {1.0, 0.3, 1e-2, 1e-4, 2e-7}) {
    const double limit = given.height * share;
    const Checked<Divisions> by_deviation = DivideBy({DivisionRule::MaxDeviation, limit});
    if (by_deviation.ok()) {
      const std::size_t n = by_deviation.value->count;
      EXPECT_LE(sagitta(n), limit * slack) << share;
      if (n > 1) {
        EXPECT_GT(sagitta(n - 1) * slack, limit) << share;
      }
    } else {
      EXPECT_GT(sagitta(kMaxDivisions), limit) << by_deviation.error;
    }
    const double width = given.chord * share;
    const Checked<Divisions> by_chord = DivideBy({DivisionRule::MaxPieceChord, width});
    if (by_chord.ok()) {
      const std::size_t n = by_chord.value->count;
      EXPECT_LE(chord(n), width * slack) << share;
      if (n > 1) {
        EXPECT_GT(chord(n - 1) * slack, width) << share;
      }
    } else {
      EXPECT_GT(chord(kMaxDivisions), width) << by_chord.error;
    }
  }
}

// A limit equal to N pieces' own deviation or outer chord is met by N pieces
// and no fewer: the search settles on the boundary itself. (One piece beyond a
// semicircle can have a shorter chord than a few; it is then the least.)
TEST_P(DividedArcs, LimitsOnTheBoundaryGiveTheirOwnCount) {
  const double one_piece_chord = DivideBy({DivisionRule::Count, 1}).value->pieces.back().chord;
  for (const double n : {2.0, 3.0, 7.0, 64.0, 1000.0}) {
    const Checked<Divisions> d = DivideBy({DivisionRule::Count, n});
    ASSERT_TRUE(d.ok()) << d.error;
    const double deviation = d.value->max_deviation;
    const double chord = d.value->pieces.back().chord;
    EXPECT_EQ(DivideBy({DivisionRule::MaxDeviation, deviation}).value->count, n);
    EXPECT_EQ(DivideBy({DivisionRule::MaxPieceChord, chord}).value->count,
              one_piece_chord <= chord ? 1 : n);
  }
}

INSTANTIATE_TEST_SUITE_P(Arcs, DividedArcs,
                         ::testing::Values(ArcCase{"window_head", 1200, 119.03, 0},
                                           ArcCase{"profiled_head", 1200, 119.03, 80},
                                           ArcCase{"flat", 1e5, 0.8, 0},
                                           ArcCase{"beyond_semicircle", 50, 300, 0},
                                           ArcCase{"profiled_beyond_semicircle", 600, 250, 100}));

TEST(Divisions, RefuseBadCountsAndLimitsQuickly) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  constexpr double kInf = std::numeric_limits<double>::infinity();
  using enum DivisionRule;
  const DivisionRequest cases[] = {
      {Count, 0},
      {Count, -3},
      {Count, 2.5},
      {Count, 1e9},
      {Count, 10'001},
      {Count, kNaN},
      {Count, kInf},
      {MaxDeviation, 0},
      {MaxDeviation, -1},
      {MaxDeviation, kNaN},
      {MaxDeviation, kInf},
      {MaxDeviation, 1e-12},
      {MaxDeviation, 4.9e-324},
      {MaxPieceChord, 0},
      {MaxPieceChord, 1e-12},
      {MaxPieceChord, kNaN},
  };
  const ExactSegment arc = Circle(1200, 119.03);
  const auto start = std::chrono::steady_clock::now();
  for (const DivisionRequest& request : cases) {
    const Checked<Divisions> d = Divide(arc, request);
    EXPECT_FALSE(d.ok()) << static_cast<int>(request.rule) << " " << request.value;
    EXPECT_FALSE(d.error.empty());
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  EXPECT_TRUE(Divide(arc, {Count, 10'000}).ok());
}

}  // namespace
}  // namespace segcalc

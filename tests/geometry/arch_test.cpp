// Every head the shop builds, checked by what must hold of it whatever the
// formulas: its pieces meet (tangent but at a pointed apex), it stands on the
// springing line at the ends of its span and reaches its rise, its length is
// its pieces' and its points' sum, its faces keep its centres, its points lie
// on it, and its area is the closed form's where there is one.

#include "geometry/arch_shapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "geometry/arc_part.h"

namespace segcalc {
namespace {

constexpr double kPi = std::numbers::pi;

struct HeadCase {
  const char* name;
  HeadRequest request;
  double span;
  double rise;
  // The left and right ends' heights: 0 on the springing, the rise at a
  // quarter's crown.
  double left_y = 0;
  double right_y = 0;
};

std::ostream& operator<<(std::ostream& out, const HeadCase& c) {
  return out << c.name;
}

HeadRequest Shape(ArchShape shape, double span, std::optional<double> rise,
                  std::optional<double> radius = std::nullopt) {
  HeadRequest r;
  r.shape = shape;
  r.span = span;
  r.rise = rise;
  r.radius = radius;
  return r;
}

HeadRequest Quarter(HeadRequest r, QuarterSide side) {
  r.quarter = side;
  return r;
}

HeadRequest WithSmall(HeadRequest r, double small) {
  r.small_radius = small;
  return r;
}

const HeadCase kHeads[] = {
    {"Segment", Shape(ArchShape::Segment, 1200, 300), 1200, 300},
    {"SemicircleTransom", Shape(ArchShape::Semicircle, 900, std::nullopt), 900, 450},
    {"EquilateralGothic", Shape(ArchShape::Pointed, 1000, std::nullopt, 1000), 1000,
     1000 * std::sqrt(3.0) / 2},
    {"Lancet", Shape(ArchShape::Pointed, 800, 1400), 800, 1400},
    {"DropArch", Shape(ArchShape::Pointed, 1500, std::nullopt, 1000), 1500,
     std::sqrt(750 * (2000 - 750.0))},
    {"BasketHandle", Shape(ArchShape::ThreeCentred, 2400, 700), 2400, 700},
    {"BasketSmallRadius", WithSmall(Shape(ArchShape::ThreeCentred, 2400, 700), 300), 2400, 700},
    {"FlatEllipse", Shape(ArchShape::Ellipse, 2000, 400), 2000, 400},
    {"TallEllipse", Shape(ArchShape::Ellipse, 800, 1100), 800, 1100},
    {"QuarterRound", Quarter(Shape(ArchShape::Semicircle, 600, std::nullopt), QuarterSide::Left),
     600, 600, 0, 600},
    {"QuarterEllipse", Quarter(Shape(ArchShape::Ellipse, 700, 500), QuarterSide::Right), 700, 500,
     500, 0},
    {"HalfGothic", Quarter(Shape(ArchShape::Pointed, 500, 1100), QuarterSide::Left), 500, 1100, 0,
     1100},
    {"HalfSegment", Quarter(Shape(ArchShape::Segment, 900, 350), QuarterSide::Right), 900, 350, 350,
     0},
};

class Heads : public ::testing::TestWithParam<HeadCase> {
 protected:
  ArchHead Made() const {
    const Checked<ArchHead> head = MakeHead(GetParam().request);
    EXPECT_TRUE(head.ok()) << head.error;
    return head.ok() ? *head.value : ArchHead{};
  }
  double Tolerance() const { return 1e-9 * (GetParam().span + GetParam().rise); }
};

double Angle360(double degrees) {
  double a = std::fmod(degrees, 360.0);
  return a < 0 ? a + 360 : a;
}

TEST_P(Heads, PiecesMeetAndAreTangentButAtAnApex) {
  const ArchHead head = Made();
  const std::span<const ArcPiece> pieces = head.arch.pieces();
  ASSERT_FALSE(pieces.empty());
  for (std::size_t i = 0; i + 1 < pieces.size(); ++i) {
    const PlanePoint end = pieces[i].RightEnd(), start = pieces[i + 1].LeftEnd();
    EXPECT_NEAR(end.x, start.x, Tolerance()) << "joint " << i;
    EXPECT_NEAR(end.y, start.y, Tolerance()) << "joint " << i;
    // Tangent where the radius of one runs on into the other's.
    const double turn =
        std::abs(Angle360(pieces[i].start_degrees) - Angle360(pieces[i + 1].end_degrees));
    if (head.arch.CornerAfter(i)) {
      EXPECT_GT(turn, 1e-3) << "apex " << i;
    } else {
      EXPECT_NEAR(std::min(turn, 360 - turn), 0, 1e-9) << "joint " << i;
    }
  }
}

TEST_P(Heads, StandsOnItsSpanAndReachesItsRise) {
  const HeadCase& c = GetParam();
  const ArchHead head = Made();
  const PlanePoint left = head.arch.LeftEnd(), right = head.arch.RightEnd();
  EXPECT_NEAR(left.x, -c.span / 2, Tolerance());
  EXPECT_NEAR(right.x, c.span / 2, Tolerance());
  EXPECT_NEAR(left.y, c.left_y, Tolerance());
  EXPECT_NEAR(right.y, c.right_y, Tolerance());
  EXPECT_NEAR(head.arch.Top(), c.rise, Tolerance());
  EXPECT_NEAR(head.Span(), c.span, Tolerance());
  EXPECT_NEAR(head.Rise(), c.rise, Tolerance());
}

// Walking along the arch in small steps: the straight steps add up to its
// length from below, each point lies on the piece (or ellipse) it claims,
// and the polygon under the points has its area.
TEST_P(Heads, PointsAlongItLieOnItAndAddUpToItsLengthAndArea) {
  const ArchHead head = Made();
  const Arch& arch = head.arch;
  const double length = arch.Length();
  constexpr int kSteps = 20000;
  double walked = 0, twice_area = 0;
  PlanePoint previous = arch.LeftEnd();
  for (int i = 1; i <= kSteps; ++i) {
    const ArchFrame frame = arch.At(length * i / kSteps);
    const PlanePoint p = frame.point;
    if (const EllipseArc* e = arch.ellipse()) {
      const double u = (p.x - e->shift) / e->a, v = p.y / e->b;
      EXPECT_NEAR(u * u + v * v, 1, 1e-9);
    } else {
      const ArcPiece& piece = arch.pieces()[frame.piece];
      EXPECT_NEAR(std::hypot(p.x - piece.centre_x, p.y - piece.centre_y), piece.radius,
                  Tolerance());
    }
    walked += std::hypot(p.x - previous.x, p.y - previous.y);
    twice_area += previous.x * p.y - p.x * previous.y;
    previous = p;
  }
  EXPECT_LE(walked, length * (1 + 1e-12));
  EXPECT_NEAR(walked, length, length * 1e-6);
  // Closed down the right end, back along the springing line and up the
  // left end (a quarter's crown end stands at its rise).
  const PlanePoint left = arch.LeftEnd(), right = arch.RightEnd();
  for (const auto& [p, q] : {std::pair{right, PlanePoint{right.x, 0}},
                             std::pair{PlanePoint{right.x, 0}, PlanePoint{left.x, 0}},
                             std::pair{PlanePoint{left.x, 0}, left}}) {
    twice_area += p.x * q.y - q.x * p.y;
  }
  EXPECT_NEAR(-twice_area / 2, arch.Area(), arch.Area() * 1e-6);
}

// A profile's faces keep the given face's centres; each radius is the given
// one's less or more by the face's distance, a corner aside, and each face
// is as long as the given one plus that distance times the turn.
TEST_P(Heads, FacesShareTheCentresTheirRadiiApartByTheDepth) {
  const ArchHead head = Made();
  constexpr double kDepth = 40;
  const Checked<ProfileBend> bend = BendProfile(head.arch, {kDepth, ProfileFace::Centre, 0.4});
  ASSERT_TRUE(bend.ok()) << bend.error;
  const std::span<const ArcPiece> given = head.arch.pieces();
  for (const auto& [face, offset] :
       {std::pair{ProfileFace::Inner, -kDepth / 2}, std::pair{ProfileFace::Outer, kDepth / 2}}) {
    const Arch& arch = bend.value->Face(face);
    if (const ExactSegment* circle = arch.circle()) {
      // A segment's face is a segment of the same angle, in its own frame.
      EXPECT_NEAR(circle->radius - head.arch.circle()->radius, offset, 1e-9);
      EXPECT_EQ(circle->angle, head.arch.circle()->angle);
      continue;
    }
    const std::span<const ArcPiece> pieces = arch.pieces();
    ASSERT_EQ(pieces.size(), given.size());
    for (std::size_t i = 0; i < pieces.size(); ++i) {
      EXPECT_DOUBLE_EQ(pieces[i].centre_x, given[i].centre_x);
      EXPECT_DOUBLE_EQ(pieces[i].centre_y, given[i].centre_y);
      EXPECT_NEAR(pieces[i].radius - given[i].radius, offset, 1e-9);
    }
  }
  // Away from a corner, a face is as long as the given one plus its
  // distance times the turn of every piece.
  if (head.arch.circle()) return;
  for (std::size_t i = 0; i + 1 < given.size(); ++i) {
    if (head.arch.CornerAfter(i)) return;
  }
  double turn = 0;
  for (const ArcPiece& piece : given) turn += piece.SweepDegrees() * kPi / 180;
  const double outer = bend.value->outer.Length(), middle = head.arch.Length();
  EXPECT_NEAR(outer - middle, kDepth / 2 * turn, 1e-6 * middle);
}

TEST_P(Heads, DivisionPointsAndStationsLieOnTheGivenFace) {
  const ArchHead head = Made();
  PartRequest request;
  request.divisions = DivisionRequest{DivisionRule::Count, 7};
  request.stations = StationPlan{StationRule::FromEnd, 137, 0, {}};
  const ArcPart part = MakePart(head, request);
  ASSERT_TRUE(part.divisions->ok()) << part.divisions->error;
  ASSERT_TRUE(part.stations->ok()) << part.stations->error;
  const auto on_arch = [&](double x, double y) {
    if (const EllipseArc* e = head.arch.ellipse()) {
      const double u = (x - e->shift) / e->a, v = y / e->b;
      return std::abs(u * u + v * v - 1) < 1e-9;
    }
    for (const ArcPiece& piece : head.arch.pieces()) {
      if (std::abs(std::hypot(x - piece.centre_x, y - piece.centre_y) - piece.radius) <
          Tolerance()) {
        return true;
      }
    }
    return false;
  };
  const Divisions& d = *part.divisions->value;
  ASSERT_EQ(d.points.size(), 8u);
  for (const DivisionPoint& p : d.points) EXPECT_TRUE(on_arch(p.x, p.y)) << p.x << ", " << p.y;
  for (std::size_t i = 1; i < d.points.size(); ++i) {
    EXPECT_NEAR(d.points[i].s - d.points[i - 1].s, head.arch.Length() / 7, Tolerance());
  }
  for (const Station& s : *part.stations->value) {
    EXPECT_TRUE(on_arch(s.x, s.y)) << s.x << ", " << s.y;
    EXPECT_NEAR(head.arch.At(s.s).point.x, s.x, 1e-6 * head.arch.Length());
  }
}

INSTANTIATE_TEST_SUITE_P(EveryShape, Heads, ::testing::ValuesIn(kHeads),
                         [](const auto& info) { return std::string(info.param.name); });

// Areas with closed forms: a half circle, the equilateral pointed arch and
// the half ellipse.
TEST(HeadAreas, MatchTheirClosedForms) {
  const double s = 1234.5;
  const struct {
    HeadRequest request;
    double area;
  } cases[] = {
      {Shape(ArchShape::Semicircle, s, std::nullopt), kPi * (s / 2) * (s / 2) / 2},
      {Shape(ArchShape::Pointed, s, std::nullopt, s), s * s * (kPi / 3 - std::sqrt(3.0) / 4)},
      {Shape(ArchShape::Ellipse, s, 321), kPi * (s / 2) * 321 / 2},
  };
  for (const auto& c : cases) {
    const Checked<ArchHead> head = MakeHead(c.request);
    ASSERT_TRUE(head.ok()) << head.error;
    EXPECT_NEAR(head.value->arch.Area(), c.area, c.area * 1e-12);
  }
}

// Values no head can be made of get a reason, not a crash or a hang.
TEST(HeadRefusals, GiveAReason) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  HeadRequest too_many = Shape(ArchShape::Ellipse, 1000, 300);
  too_many.bend_arcs = 1'000'000'000;
  HeadRequest even = Shape(ArchShape::Ellipse, 1000, 300);
  even.bend_arcs = 4;
  HeadRequest tiny = Shape(ArchShape::Ellipse, 1000, 300);
  tiny.bend_tolerance = 1e-12;
  HeadRequest slender = Shape(ArchShape::Ellipse, 10, 30111);
  slender.bend_tolerance = 10;
  HeadRequest negative_leg = Shape(ArchShape::Semicircle, 1000, std::nullopt);
  negative_leg.legs = Legs{-1, 100};
  const struct {
    const char* name;
    HeadRequest request;
  } cases[] = {
      {"rise of 0", Shape(ArchShape::Ellipse, 1000, 0)},
      {"rise of 1e300 over a span", Shape(ArchShape::ThreeCentred, 1000, 1e300)},
      {"NaN rise", Shape(ArchShape::Pointed, 1000, kNaN)},
      {"span of -1", Shape(ArchShape::Semicircle, -1, std::nullopt)},
      {"pointed no taller than half its span", Shape(ArchShape::Pointed, 1000, 400)},
      {"three-centred no lower", Shape(ArchShape::ThreeCentred, 1000, 600)},
      {"pointed radius not above half the span",
       Shape(ArchShape::Pointed, 1000, std::nullopt, 500)},
      {"small radius above the rise", WithSmall(Shape(ArchShape::ThreeCentred, 1000, 300), 350)},
      {"quarter of a segment beyond a half circle",
       Quarter(Shape(ArchShape::Segment, 500, 700), QuarterSide::Left)},
      {"a billion bending arcs", too_many},
      {"an even count for a whole ellipse", even},
      {"a tolerance no count reaches", tiny},
      {"a negative leg", negative_leg},
      {"a span of 1e-320 under a rise of 70", Shape(ArchShape::Pointed, 1e-320, 70)},
      {"a span of 1e-300 under a rise of 1e300", Shape(ArchShape::Pointed, 1e-300, 1e300)},
      {"a rise of 7e-28 over a span of 4800", Shape(ArchShape::ThreeCentred, 4800, 7e-28)},
      {"an ellipse 3000 times as tall as wide, bent within 10", slender},
  };
  for (const auto& c : cases) {
    const Checked<ArchHead> head = MakeHead(c.request);
    EXPECT_FALSE(head.ok()) << c.name;
    EXPECT_FALSE(head.error.empty()) << c.name;
  }
}

// A profile deeper than a piece's radius, a pointed apex's inner face that
// closes up and an ellipse's inner face that folds over are refused.
TEST(HeadRefusals, FacesThatCloseUp) {
  const struct {
    const char* name;
    HeadRequest request;
    double depth;
  } cases[] = {
      {"small arcs of a basket handle", WithSmall(Shape(ArchShape::ThreeCentred, 2000, 500), 60),
       80},
      {"a drop arch's apex", Shape(ArchShape::Pointed, 1000, std::nullopt, 520), 600},
      {"a flat ellipse's springing", Shape(ArchShape::Ellipse, 2000, 200), 50},
  };
  for (const auto& c : cases) {
    const Checked<ArchHead> head = MakeHead(c.request);
    ASSERT_TRUE(head.ok()) << c.name << ": " << head.error;
    const Checked<ProfileBend> bend = BendProfile(head.value->arch, {c.depth, ProfileFace::Outer});
    EXPECT_FALSE(bend.ok()) << c.name;
    EXPECT_NE(bend.error.find("无法成形"), std::string::npos) << c.name << ": " << bend.error;
  }
}

}  // namespace
}  // namespace segcalc

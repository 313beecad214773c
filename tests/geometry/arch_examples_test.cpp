// Heads checked against what others have published: each construction done
// here step by step as its source gives it, with nothing of segcalc's own.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "geometry/arch_shapes.h"

namespace segcalc {
namespace {

struct Point {
  double x, y;
};

ArchHead Head(ArchShape shape, double span, double rise) {
  HeadRequest request;
  request.shape = shape;
  request.span = span;
  request.rise = rise;
  const Checked<ArchHead> head = MakeHead(request);
  EXPECT_TRUE(head.ok()) << head.error;
  return *head.value;
}

// "The Gothic Arch. Bisect the line a b ... and draw a d; from these two
// points with the compass opened to more than half their distance draw the
// arcs. Through their intersections draw a line meeting a b in g, from which
// point with the compass opened to a, draw the curve a i d."
// (The Practical Brick and Tile Book, London, 1880s, Brickwork: The Gothic
// Arch.) a and b are the springings, d the apex over the middle of a b: the
// centre g is where the perpendicular bisector of a d meets the springing
// line, and the radius is g a.
TEST(PublishedArches, GothicArchStruckFromWhereTheBisectorOfSpringingAndApexMeetsTheSpringing) {
  for (const auto& [span, rise] :
       {std::pair{1000.0, 866.0254037844386}, std::pair{900.0, 1350.0}, std::pair{1600.0, 950.0}}) {
    const Point a{-span / 2, 0}, d{0, rise};
    const Point middle{(a.x + d.x) / 2, (a.y + d.y) / 2};
    // Along the bisector, square to a d, down to y = 0.
    const Point across{d.y - a.y, -(d.x - a.x)};
    const double to_springing = -middle.y / across.y;
    const Point g{middle.x + to_springing * across.x, 0};
    const ArchHead head = Head(ArchShape::Pointed, span, rise);
    const ArcPiece& left = head.arch.pieces().front();
    EXPECT_NEAR(left.centre_x, g.x, 1e-9 * span);
    EXPECT_NEAR(left.centre_y, g.y, 1e-9 * span);
    EXPECT_NEAR(left.radius, std::hypot(g.x - a.x, g.y - a.y), 1e-9 * span);
  }
}

// "Join A and D. Lay off DF equal to AC-DC. Bisect AF by a perpendicular
// crossing AC at G and intersecting DE produced at H. ... Then G, G', H, and
// H' will be centers for four arcs approximating the ellipse. The half of
// this ellipse when used in masonry construction is known as the
// three-centered arch." (French, T. E., A Manual of Engineering Drawing for
// Students and Draftsmen, New York: McGraw-Hill, 1911.) C is the centre, A
// the end of the half major axis (the springing), D of the half minor (the
// crown).
TEST(PublishedArches, ThreeCentredArchIsFrenchsApproximateEllipse) {
  for (const auto& [span, rise] :
       {std::pair{2400.0, 700.0}, std::pair{1000.0, 450.0}, std::pair{6000.0, 1200.0}}) {
    const Point c{0, 0}, a{-span / 2, 0}, d{0, rise};
    const double ac = std::hypot(a.x - c.x, a.y - c.y), dc = std::hypot(d.x - c.x, d.y - c.y);
    const double ad = std::hypot(a.x - d.x, a.y - d.y);
    const Point f{d.x + (ac - dc) * (a.x - d.x) / ad, d.y + (ac - dc) * (a.y - d.y) / ad};
    const Point middle{(a.x + f.x) / 2, (a.y + f.y) / 2};
    const Point across{-(f.y - a.y), f.x - a.x};
    const double to_g = (0 - middle.y) / across.y;  // meets A C, the springing line
    const double to_h = (0 - middle.x) / across.x;  // meets D E, the axis, produced
    const Point g{middle.x + to_g * across.x, 0};
    const Point h{0, middle.y + to_h * across.y};
    const ArchHead head = Head(ArchShape::ThreeCentred, span, rise);
    ASSERT_EQ(head.arch.pieces().size(), 3u);
    const ArcPiece& small = head.arch.pieces().front();
    const ArcPiece& large = head.arch.pieces()[1];
    EXPECT_NEAR(small.centre_x, g.x, 1e-9 * span);
    EXPECT_NEAR(small.centre_y, g.y, 1e-9 * span);
    EXPECT_NEAR(small.radius, std::hypot(g.x - a.x, g.y - a.y), 1e-9 * span);
    EXPECT_NEAR(large.centre_x, h.x, 1e-9 * span);
    EXPECT_NEAR(large.centre_y, h.y, 1e-9 * span);
    EXPECT_NEAR(large.radius, std::hypot(h.x - d.x, h.y - d.y), 1e-9 * span);
  }
}

// "The perimeter of any ellipse having semi-major axis a and eccentricity
// 0.8 is 2 pi k a ... k = 0.81255" (A challenging problem on evaluation of
// perimeter, solve.club / Brilliant, worked from 4 a E(e^2)). A head of half
// axes a and 0.6 a is half of it.
TEST(PublishedArches, HalfEllipseIsHalfThePublishedPerimeter) {
  for (const double a : {500.0, 1000.0, 3250.0}) {
    const ArchHead head = Head(ArchShape::Ellipse, 2 * a, 0.6 * a);
    const double published = 2 * std::numbers::pi * 0.81255 * a;
    EXPECT_NEAR(2 * head.arch.Length(), published, 5e-6 * 2 * std::numbers::pi * a);
  }
}

// Equilateral, lancet and drop: "the lancet is a sharply pointed
// two-centered arch with radii greater than the span", the drop arch's less,
// the equilateral's equal to it, each struck from the springing line (Brick
// Development Association, Arches). The equilateral arch rises to the apex
// of the equilateral triangle on its span.
TEST(PublishedArches, EquilateralArchRisesToItsTriangle) {
  HeadRequest request;
  request.shape = ArchShape::Pointed;
  request.span = 1800;
  request.radius = 1800;
  const Checked<ArchHead> head = MakeHead(request);
  ASSERT_TRUE(head.ok()) << head.error;
  EXPECT_NEAR(head.value->Rise(), 1800 * std::sqrt(3.0) / 2, 1e-9);
  // Each arc is struck from the other springing.
  EXPECT_NEAR(head.value->arch.pieces().front().centre_x, 900, 1e-9);
  EXPECT_NEAR(head.value->arch.pieces().back().centre_x, -900, 1e-9);
  for (const auto& [radius, lancet] : {std::pair{2500.0, true}, std::pair{1200.0, false}}) {
    request.radius = radius;
    const Checked<ArchHead> other = MakeHead(request);
    ASSERT_TRUE(other.ok()) << other.error;
    EXPECT_EQ(other.value->Rise() > head.value->Rise(), lancet) << radius;
  }
}

}  // namespace
}  // namespace segcalc

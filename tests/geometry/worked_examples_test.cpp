// Examples worked by hand in published references, with their own figures.
#include <gtest/gtest.h>

#include <cmath>

#include "geometry/area.h"
#include "geometry/divisions.h"
#include "geometry/exact_geometry.h"
#include "geometry/profile.h"

namespace segcalc {
namespace {

ExactSegment Solved(Quantity a, double a_value, Quantity b, double b_value) {
  const ExactSolutions solutions = SolveExact(a, a_value, b, b_value);
  EXPECT_EQ(solutions.segments.size(), 1u) << solutions.reason;
  return solutions.segments.at(0);
}

// NCERT, Mathematics: Textbook for Class X, chapter "Areas Related to
// Circles", Example 3 (p. 229 of the 2006 edition): the segment of a circle of
// radius 21 cm under a central angle of 120 degrees. With pi as 22/7 the book
// has 462 cm^2 for the sector and 462 - 441 sqrt(3) / 4 = 271.04 cm^2 for the
// segment; with the true pi they are 461.81 and 270.86.
TEST(WorkedExamples, TextbookSegmentArea) {
  const SegmentArea area = AreaOf(Solved(Quantity::Radius, 21, Quantity::Angle, 120));
  EXPECT_NEAR(area.sector, 462, 0.2);
  EXPECT_NEAR(area.segment, 271.04, 0.2);
  EXPECT_NEAR(area.sector - area.segment, 441 * std::sqrt(3.0) / 4, 1e-9);
}

// "How to calculate length & volume of the segmental arch", paramvisions.com
// (2021-06, www.paramvisions.com/2021/06/how-to-calculate-length-volume-of.html):
// a segmental arch of span 3.5 m and rise 1 m has a radius of 2.031 m.
TEST(WorkedExamples, SegmentalArchRadius) {
  const ExactSegment arch = Solved(Quantity::Chord, 3.5, Quantity::Height, 1);
  EXPECT_NEAR(arch.radius, 2.031, 0.0005);
}

// "Circular Arch Section sized to fit within a Rectangular Boundary", web
// sketches (www.geocities.ws/web_sketches/circular_arch_fit_rectangle/
// arch_fit_rectangle.htm): an arch 119.518146 wide and 33.318771 high on its
// outside, 9 deep, made of five equal sections. The page works out an outside
// radius of 70.25, an arc of 142.922934, section arcs of 28.584589, a mitre of
// 11.656770 degrees, a stock length (the outer chord) of 28.387801, a sagitta
// of 1.448869 and a stock depth of 10.263248.
TEST(WorkedExamples, ArchOfFiveSectionsCutFromFlatStock) {
  const ExactSegment outside = Solved(Quantity::Chord, 119.518146, Quantity::Height, 33.318771);
  EXPECT_NEAR(outside.radius, 70.25, 1e-6);
  EXPECT_NEAR(outside.arc, 142.922934, 1e-6);
  const Checked<ProfileBend> arch = BendProfile(outside, {9, ProfileFace::Outer});
  ASSERT_TRUE(arch.ok()) << arch.error;
  EXPECT_NEAR(arch.value->inner.circle()->radius, 61.25, 1e-6);
  const Checked<Divisions> sections = Divide(*arch.value, {DivisionRule::Count, 5});
  ASSERT_TRUE(sections.ok()) << sections.error;
  const Divisions& d = *sections.value;
  const FacePiece& outer = d.pieces.at(2);
  EXPECT_NEAR(outer.arc, 28.584589, 5e-6);
  EXPECT_NEAR(outer.chord, 28.387801, 5e-6);
  EXPECT_NEAR(d.mitre_angle, 11.656770, 5e-6);
  EXPECT_NEAR(d.max_deviation, 1.448869, 5e-6);
  EXPECT_NEAR(*d.stock_width, 10.263248, 5e-6);
  // Asked the other way round: the least N whose outer chord is at most the
  // stock length, or whose sagitta is at most the page's, is the page's five.
  EXPECT_EQ(Divide(*arch.value, {DivisionRule::MaxPieceChord, 28.3879}).value->count, 5u);
  EXPECT_EQ(Divide(*arch.value, {DivisionRule::MaxDeviation, 1.44887}).value->count, 5u);
}

// Bending: the flat length of a bent piece is its straight legs plus the bend
// allowance, the length of the neutral layer at K times the thickness from the
// inside (SOLIDWORKS Help, "Bend Allowance and Bend Deduction" and "K-Factor":
// Lt = A + B + BA, BA = pi (R + K T) A / 180). Worked with figures in "Bed
// Mount", codeblooded.com (2011-11-25): a 90 degree bend of 1/8 inch plate
// on a 1/8 inch inside radius with K = 0.42 has a bend allowance of 0.278 inch
// (with pi as 3.14).
TEST(WorkedExamples, BendAllowanceAndFlatLength) {
  const ExactSegment inside = Solved(Quantity::Radius, 0.125, Quantity::Angle, 90);
  const Checked<ProfileBend> bend = BendProfile(inside, {0.125, ProfileFace::Inner, 0.42, 1, 2});
  ASSERT_TRUE(bend.ok()) << bend.error;
  EXPECT_NEAR(bend.value->neutral_arc, 0.278, 0.001);
  EXPECT_NEAR(bend.value->cut_length, 1 + 2 + 0.278, 0.001);
}

}  // namespace
}  // namespace segcalc

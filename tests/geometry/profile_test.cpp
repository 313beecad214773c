#include "geometry/profile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/geometry/textbook_circle.h"

namespace segcalc {
namespace {

using textbook::Circle;

struct BendCase {
  const char* name;
  ProfileFace face;
  double radius;
  double degrees;
  double depth;
};

std::ostream& operator<<(std::ostream& out, const BendCase& c) {
  return out << c.name;
}

class Bends : public ::testing::TestWithParam<BendCase> {};

TEST_P(Bends, FacesShareTheAngleAndTheirRadiiDifferByTheDepth) {
  const BendCase& c = GetParam();
  const ExactSegment given = Circle(c.radius, c.degrees);
  const ProfileRequest request{c.depth, c.face, 0.3, 40, 60, 5};
  const Checked<ProfileBend> bend = BendProfile(given, request);
  ASSERT_TRUE(bend.ok()) << bend.error;
  const ProfileBend& b = *bend.value;
  const double tolerance = 1e-12 * (c.radius + c.depth);
  EXPECT_EQ(b.Face(c.face).circle()->radius, given.radius);
  EXPECT_EQ(b.Face(c.face).circle()->arc, given.arc);
  for (const ExactSegment* face : {b.inner.circle(), b.centre.circle(), b.outer.circle()}) {
    const ExactSegment textbook = Circle(face->radius, face->angle);
    EXPECT_EQ(face->angle, given.angle);
    EXPECT_NEAR(face->arc, textbook.arc, tolerance);
    EXPECT_NEAR(face->chord, textbook.chord, tolerance);
    EXPECT_NEAR(face->height, textbook.height, tolerance);
  }
  EXPECT_NEAR(b.outer.circle()->radius - b.inner.circle()->radius, c.depth, tolerance);
  EXPECT_NEAR(b.centre.circle()->radius - b.inner.circle()->radius, c.depth / 2, tolerance);
  // Arc length grows linearly with the radius at a fixed angle, so the neutral
  // arc lies between the inner and outer arcs in the proportion K.
  EXPECT_NEAR(b.neutral_arc,
              b.inner.circle()->arc + 0.3 * (b.outer.circle()->arc - b.inner.circle()->arc),
              tolerance * 10);
  EXPECT_NEAR(b.cut_length - b.neutral_arc, 40 + 60 + 5, tolerance * 10);
}

INSTANTIATE_TEST_SUITE_P(
    Profiles, Bends,
    ::testing::Values(BendCase{"inner_face_given", ProfileFace::Inner, 1200, 119.03, 60},
                      BendCase{"centre_line_given", ProfileFace::Centre, 800, 45, 120},
                      BendCase{"outer_face_given", ProfileFace::Outer, 500, 200, 80},
                      BendCase{"flat_window_head", ProfileFace::Outer, 1e5, 0.5, 70},
                      BendCase{"depth_just_below_radius", ProfileFace::Outer, 100, 300, 99.999}));

struct RefusedBend {
  const char* name;
  ProfileRequest request;
};

TEST(Bends, RefuseWhatNoBarCanBeBentTo) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  constexpr double kInf = std::numeric_limits<double>::infinity();
  using enum ProfileFace;
  const RefusedBend cases[] = {
      {"no_inner_radius_from_outer", {100, Outer}},
      {"no_inner_radius_from_centre", {200, Centre}},
      {"zero_depth", {0, Inner}},
      {"negative_depth", {-5, Inner}},
      {"nan_depth", {kNaN, Inner}},
      {"infinite_depth", {kInf, Inner}},
      {"k_below_0", {10, Inner, -0.01}},
      {"k_above_1", {10, Inner, 1.01}},
      {"nan_k", {10, Inner, kNaN}},
      {"negative_tail_a", {10, Inner, 0.5, -1}},
      {"nan_tail_b", {10, Inner, 0.5, 0, kNaN}},
      {"infinite_tail_b", {10, Inner, 0.5, 0, kInf}},
      {"negative_trim", {10, Inner, 0.5, 0, 0, -0.5}},
      {"infinite_trim", {10, Inner, 0.5, 0, 0, kInf}},
      {"outer_radius_overflows", {1.7e308, Inner}},
  };
  const ExactSegment given = Circle(100, 90);
  for (const RefusedBend& c : cases) {
    const Checked<ProfileBend> bend = BendProfile(given, c.request);
    EXPECT_FALSE(bend.ok()) << c.name;
    EXPECT_FALSE(bend.error.empty()) << c.name;
  }
}

}  // namespace
}  // namespace segcalc

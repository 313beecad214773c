#include "geometry/arc_part.h"

#include <gtest/gtest.h>

#include "tests/geometry/textbook_circle.h"

namespace segcalc {
namespace {

TEST(ArcPart, FillsWhatIsAskedAndNothingElse) {
  const ExactSegment segment = textbook::Circle(1200, 119.03);
  const ArcPart plain = MakePart(segment, {100});
  EXPECT_EQ(plain.ordinate_step, 100);
  EXPECT_FALSE(plain.ordinates.rows.empty());
  EXPECT_GT(plain.area.segment, 0);
  EXPECT_FALSE(plain.profile || plain.divisions || plain.stations || plain.fit);
  EXPECT_TRUE(plain.Errors().empty());

  PartRequest request;
  request.profile = ProfileRequest{60, ProfileFace::Outer};
  request.divisions = DivisionRequest{DivisionRule::Count, 6};
  StationPlan from_end;
  from_end.rule = StationRule::FromEnd;
  from_end.step = 250;
  request.stations = from_end;
  request.measured_points = std::vector<PlanePoint>{{-1200, 0}, {0, 1200}, {1200, 0}};
  const ArcPart all = MakePart(segment, request);
  ASSERT_TRUE(all.profile && all.divisions && all.stations && all.fit);
  EXPECT_TRUE(all.Errors().empty());
  // The divisions are of the profile: three faces, the outer one as given.
  ASSERT_EQ(all.divisions->value->pieces.size(), 3u);
  EXPECT_EQ(all.divisions->value->pieces[2].radius, segment.radius);
  // The three points lie on a circle of the given radius.
  EXPECT_NEAR(*all.fit->value->radius_difference, 0, 1e-9);

  request.profile->depth = 5000;  // deeper than the radius
  request.measured_points = std::vector<PlanePoint>{{0, 0}, {1, 1}};
  const ArcPart refused = MakePart(segment, request);
  EXPECT_FALSE(refused.profile->ok());
  EXPECT_FALSE(refused.divisions->ok());
  EXPECT_TRUE(refused.stations->ok());
  EXPECT_EQ(refused.Errors().size(), 3u);
}

}  // namespace
}  // namespace segcalc

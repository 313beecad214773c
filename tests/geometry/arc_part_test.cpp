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
  EXPECT_FALSE(plain.area);
  EXPECT_FALSE(plain.profile || plain.divisions || plain.stations);
  EXPECT_TRUE(plain.Errors().empty());

  PartRequest request;
  request.profile = ProfileRequest{60, ProfileFace::Outer};
  request.divisions = DivisionRequest{DivisionRule::Count, 6};
  StationPlan from_end;
  from_end.rule = StationRule::FromEnd;
  from_end.step = 250;
  request.stations = from_end;
  request.area = true;
  const ArcPart all = MakePart(segment, request);
  ASSERT_TRUE(all.profile && all.divisions && all.stations && all.area);
  EXPECT_GT(all.area->segment, 0);
  EXPECT_TRUE(all.Errors().empty());
  // The divisions are of the profile: three faces, the outer one as given.
  ASSERT_EQ(all.divisions->value->pieces.size(), 3u);
  EXPECT_EQ(all.divisions->value->pieces[2].radius, segment.radius);

  request.profile->depth = 5000;  // deeper than the radius
  const ArcPart refused = MakePart(segment, request);
  EXPECT_FALSE(refused.profile->ok());
  EXPECT_FALSE(refused.divisions->ok());
  EXPECT_TRUE(refused.stations->ok());
  EXPECT_EQ(refused.Errors().size(), 2u);
}

}  // namespace
}  // namespace segcalc

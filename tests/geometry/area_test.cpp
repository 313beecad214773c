#include "geometry/area.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "tests/geometry/textbook_circle.h"

namespace segcalc {
namespace {

constexpr double kPi = std::numbers::pi;

// A chord cuts the disc into a segment and its complement: their areas add up
// to the whole disc, as do their sectors.
TEST(SegmentArea, SegmentAndItsComplementFillTheDisc) {
  for (const double degrees : {0.5, 30.0, 57.29, 90.0, 119.03, 180.0, 250.0, 359.0}) {
    const double r = 750;
    const SegmentArea minor = AreaOf(textbook::Circle(r, degrees));
    const SegmentArea major = AreaOf(textbook::Circle(r, 360 - degrees));
    EXPECT_NEAR(minor.segment + major.segment, kPi * r * r, 1e-12 * kPi * r * r) << degrees;
    EXPECT_NEAR(minor.sector + major.sector, kPi * r * r, 1e-12 * kPi * r * r) << degrees;
    // Up to a semicircle the segment is the sector less a triangle, beyond it
    // the sector and a triangle.
    EXPECT_EQ(minor.segment <= minor.sector, degrees <= 180) << degrees;
  }
}

// theta - sin(theta) = theta^3/6 (1 - theta^2/20 + theta^4/840 - ...): below
// theta = 1e-5 the plain subtraction keeps under six correct digits, so these
// tolerances fail it.
TEST(SegmentArea, FlatArcsKeepTheirDigits) {
  for (const double theta : {1e-2, 1e-4, 1e-5, 1e-7, 1e-9}) {
    const double t2 = theta * theta;
    const double expected = theta * t2 / 6 * (1 - t2 / 20 * (1 - t2 / 42));
    EXPECT_NEAR(ThetaMinusSine(theta), expected, 1e-14 * expected) << theta;
  }
  // Where the series gives way to the subtraction the value runs on smoothly.
  const double below = ThetaMinusSine(std::nextafter(1.0, 0.0));
  EXPECT_NEAR(below, ThetaMinusSine(1.0), 1e-15);
  // A 1 m chord on a 100 km radius: about 1/12 chord^3 / R.
  const SegmentArea flat = AreaOf(textbook::Circle(1e5, 1.0 / 1e5 * 180 / kPi));
  EXPECT_NEAR(flat.segment, 1.0 / 12 / 1e5, 1e-9 / 12 / 1e5);
}

}  // namespace
}  // namespace segcalc

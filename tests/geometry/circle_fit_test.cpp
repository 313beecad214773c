#include "geometry/circle_fit.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

namespace segcalc {
namespace {

struct FitCase {
  const char* name;
  double radius;
  PlanePoint centre;
  double span_degrees;  // of the arc the points are measured on
  int points;
  double noise;             // standard deviation of each coordinate
  double radius_tolerance;  // about five times the spread the noise gives the radius
};

std::ostream& operator<<(std::ostream& out, const FitCase& c) {
  return out << c.name;
}

std::vector<PlanePoint> Measured(const FitCase& c, unsigned seed) {
  std::mt19937 random(seed);
  std::normal_distribution<double> error(0.0, c.noise);
  std::vector<PlanePoint> points;
  const double span = c.span_degrees * std::numbers::pi / 180;
  for (int i = 0; i < c.points; ++i) {
    const double t = span * (static_cast<double>(i) / (c.points - 1) - 0.5) + 1.0;
    points.push_back({c.centre.x + c.radius * std::cos(t) + (c.noise > 0 ? error(random) : 0),
                      c.centre.y + c.radius * std::sin(t) + (c.noise > 0 ? error(random) : 0)});
  }
  return points;
}

class Fits : public ::testing::TestWithParam<FitCase> {};

TEST_P(Fits, RecoverTheCircleAndStopWhereTheSumIsLeast) {
  const FitCase& c = GetParam();
  const std::vector<PlanePoint> points = Measured(c, 20240611);
  const Checked<CircleFit> fit = FitCircle(points, c.radius);
  ASSERT_TRUE(fit.ok()) << fit.error;
  const CircleFit& f = *fit.value;
  EXPECT_NEAR(f.radius, c.radius, c.radius_tolerance);
  EXPECT_NEAR(*f.radius_difference, f.radius - c.radius, 1e-9 * c.radius);
  // At the least sum its gradient vanishes: the residuals sum to zero, and so
  // do their components along each direction to the centre.
  double sum = 0, along_x = 0, along_y = 0, largest = 0;
  ASSERT_EQ(f.residuals.size(), points.size());
  for (std::size_t i = 0; i < points.size(); ++i) {
    const PlanePoint& p = points[i];
    const double d = std::hypot(p.x - f.centre.x, p.y - f.centre.y);
    const double residual = d - f.radius;
    // Each point's own, as the page lists them.
    EXPECT_NEAR(f.residuals[i], residual, 1e-9 * c.radius) << i;
    sum += residual;
    along_x += residual * (p.x - f.centre.x) / d;
    along_y += residual * (p.y - f.centre.y) / d;
    largest = std::max(largest, std::abs(residual));
  }
  const double scale = 1e-6 * (c.noise + 1e-8 * c.radius) * c.points;
  EXPECT_LE(std::abs(sum), scale);
  EXPECT_LE(std::abs(along_x), scale);
  EXPECT_LE(std::abs(along_y), scale);
  EXPECT_NEAR(f.max_residual, largest, scale);
  EXPECT_LE(f.max_residual, 6 * c.noise + 1e-9 * c.radius);
}

INSTANTIATE_TEST_SUITE_P(
    Circles, Fits,
    ::testing::Values(FitCase{"exact_quarter", 1200, {30, -40}, 90, 12, 0, 1e-9},
                      FitCase{"three_exact_points", 500, {0, 0}, 60, 3, 0, 1e-9},
                      FitCase{"noisy_window_head", 1200, {600, 300}, 119, 40, 0.2, 1.5},
                      FitCase{"noisy_whole_circle", 80, {-5, 7}, 350, 200, 0.05, 0.02},
                      FitCase{"flat_far_from_origin", 2e4, {1e6, -3e5}, 3, 60, 0.001, 6},
                      FitCase{"many_points", 3000, {0, 0}, 40, 20'000, 0.1, 0.2}));

TEST(Fits, RefuseWhatIsNoCircleQuickly) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  const std::vector<std::vector<PlanePoint>> cases = {
      {},
      {{0, 0}, {1, 1}},
      {{0, 0}, {1, 1}, {2, 2}, {3, 3}},
      {{0, 0}, {1, 1e-9}, {2, 0}},  // bowed a billionth of its span
      {{5, 5}, {5, 5}, {5, 5}},     // one point thrice
      {{0, 0}, {1, 1}, {0, 0}},     // two distinct points
      {{0, 0}, {1, kNaN}, {2, 0}},
      {{0, 0}, {1, std::numeric_limits<double>::infinity()}, {2, 0}},
      {{0, 0}, {1, 1e300}, {2, 0}},
      std::vector<PlanePoint>(1'000'000, {1, 2}),
  };
  const auto start = std::chrono::steady_clock::now();
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const Checked<CircleFit> fit = FitCircle(cases[i]);
    EXPECT_FALSE(fit.ok()) << i;
    EXPECT_FALSE(fit.error.empty()) << i;
  }
  const std::vector<PlanePoint> arc = {{0, 0}, {1, 1}, {2, 0}};
  for (const double target : {0.0, -1.0, kNaN}) EXPECT_FALSE(FitCircle(arc, target).ok());
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

}  // namespace
}  // namespace segcalc

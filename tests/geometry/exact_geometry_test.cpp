#include "geometry/exact_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "calc/compute_request.h"
#include "geometry/ordinates.h"

namespace segcalc {
namespace {

constexpr double kPi = std::numbers::pi;

// The five quantities of a circle from its radius and angle, by the textbook
// formulas, written apart from the solver's own.
ExactSegment Circle(double radius, double degrees) {
  const double theta = degrees * kPi / 180;
  return {radius * theta, 2 * radius * std::sin(theta / 2), radius - radius * std::cos(theta / 2),
          radius, degrees};
}

// Relative agreement, with an absolute floor for quantities that are tiny
// beside the circle they belong to.
void ExpectClose(double actual, double expected, double tolerance, double floor, const char* what) {
  EXPECT_LE(std::abs(actual - expected), tolerance * std::abs(expected) + floor)
      << what << ": " << actual << " vs " << expected;
}

// The identities every solved circle must satisfy.
void ExpectConsistent(const ExactSegment& s, double tolerance) {
  const double theta = s.angle * kPi / 180;
  const double floor = 1e-12 * s.radius;
  ExpectClose(s.arc, s.radius * theta, tolerance, floor, "arc = R angle");
  ExpectClose(s.chord, 2 * s.radius * std::sin(theta / 2), tolerance, floor,
              "chord = 2 R sin(angle / 2)");
  ExpectClose(s.height, s.radius - s.radius * std::cos(theta / 2), tolerance, floor,
              "height = R - R cos(angle / 2)");
  EXPECT_GT(s.angle, 0);
  EXPECT_LT(s.angle, 360);
}

void ExpectSame(const ExactSegment& actual, const ExactSegment& expected, double tolerance) {
  const double floor = 1e-12 * expected.radius;
  ExpectClose(actual.arc, expected.arc, tolerance, floor, "arc");
  ExpectClose(actual.chord, expected.chord, tolerance, floor, "chord");
  ExpectClose(actual.height, expected.height, tolerance, floor, "height");
  ExpectClose(actual.radius, expected.radius, tolerance, floor, "radius");
  ExpectClose(actual.angle, expected.angle, tolerance, 1e-12, "angle");
}

struct CircleCase {
  const char* name;
  double radius;
  double degrees;
  double tolerance;  // flat arcs lose digits in the given pair itself
};

std::ostream& operator<<(std::ostream& out, const CircleCase& c) {
  return out << c.name;
}

class TenPairs : public testing::TestWithParam<CircleCase> {};

// From each pair of a known circle's quantities, the circle comes back: one
// of the solutions (two where the pair allows two) is the circle itself.
TEST_P(TenPairs, RoundTrip) {
  const CircleCase& c = GetParam();
  const ExactSegment circle = Circle(c.radius, c.degrees);
  constexpr Quantity kAll[] = {Quantity::Arc, Quantity::Chord, Quantity::Height, Quantity::Radius,
                               Quantity::Angle};
  int pairs = 0;
  for (int i = 0; i < 5; ++i) {
    for (int j = i + 1; j < 5; ++j) {
      ++pairs;
      const ExactSolutions solutions =
          SolveExact(kAll[i], ValueOf(circle, kAll[i]), kAll[j], ValueOf(circle, kAll[j]));
      SCOPED_TRACE("pair " + std::to_string(i) + "," + std::to_string(j));
      ASSERT_FALSE(solutions.segments.empty()) << solutions.reason;
      ASSERT_LE(solutions.segments.size(), 2u);
      const ExactSegment* nearest = &solutions.segments.front();
      for (const ExactSegment& s : solutions.segments) {
        ExpectConsistent(s, c.tolerance);
        if (std::abs(s.angle - c.degrees) < std::abs(nearest->angle - c.degrees)) nearest = &s;
      }
      ExpectSame(*nearest, circle, c.tolerance);
    }
  }
  EXPECT_EQ(pairs, 10);
}

INSTANTIATE_TEST_SUITE_P(Circles, TenPairs,
                         testing::Values(CircleCase{"startup_like", 1200, 119.03, 1e-9},
                                         CircleCase{"small_radius_large_angle", 5, 300, 1e-9},
                                         CircleCase{"quarter", 1, 90, 1e-9},
                                         CircleCase{"just_below_semicircle", 100, 179.9999, 1e-9},
                                         CircleCase{"just_above_semicircle", 100, 180.0001, 1e-9},
                                         CircleCase{"nearly_whole", 3, 359.5, 1e-9},
                                         CircleCase{"flat", 1e6, 0.01, 1e-6}));

// Over values from a hundredth to a million, every pair gives circles that
// satisfy the identities, or says why it gives none: never a NaN, never a
// silent empty answer.
TEST(ExactGeometry, EveryPairOverAWideRangeAnswersOrSaysWhy) {
  constexpr Quantity kAll[] = {Quantity::Arc, Quantity::Chord, Quantity::Height, Quantity::Radius,
                               Quantity::Angle};
  std::vector<double> values;
  for (double v = 0.01; v < 2e6; v *= 3.7) values.push_back(v);
  int solved = 0;
  for (int i = 0; i < 5; ++i) {
    for (int j = i + 1; j < 5; ++j) {
      for (const double a : values) {
        for (const double b : values) {
          const ExactSolutions s = SolveExact(kAll[i], a, kAll[j], b);
          if (s.segments.empty()) {
            EXPECT_FALSE(s.reason.empty()) << i << "," << j << ": " << a << ", " << b;
            continue;
          }
          ++solved;
          for (const ExactSegment& segment : s.segments) {
            SCOPED_TRACE(std::to_string(i) + "," + std::to_string(j) + ": " + std::to_string(a) +
                         ", " + std::to_string(b));
            ExpectConsistent(segment, 1e-8);
          }
        }
      }
    }
  }
  EXPECT_GT(solved, 1000);
}

struct NoSolutionCase {
  const char* name;
  Quantity first;
  double first_value;
  Quantity second;
  double second_value;
};

std::ostream& operator<<(std::ostream& out, const NoSolutionCase& c) {
  return out << c.name;
}

class NoSolution : public testing::TestWithParam<NoSolutionCase> {};

TEST_P(NoSolution, SaysWhy) {
  const NoSolutionCase& c = GetParam();
  const ExactSolutions solutions = SolveExact(c.first, c.first_value, c.second, c.second_value);
  EXPECT_TRUE(solutions.segments.empty());
  EXPECT_FALSE(solutions.reason.empty());
  const ExactChoice choice = ChooseExact(solutions, SolveMode::MinorArc);
  EXPECT_FALSE(choice.segment.has_value());
  EXPECT_EQ(choice.reason, solutions.reason);
}

using enum Quantity;
INSTANTIATE_TEST_SUITE_P(
    Inputs, NoSolution,
    testing::Values(NoSolutionCase{"arc_shorter_than_chord", Arc, 100, Chord, 200},
                    NoSolutionCase{"arc_equal_to_chord", Arc, 10, Chord, 10},
                    NoSolutionCase{"height_above_any_arc", Arc, 1000, Height, 400},
                    // The scan finds this in MajorArc only because it takes pi as 3.14.
                    NoSolutionCase{"height_just_above_peak", Arc, 1000, Height, 362.4},
                    NoSolutionCase{"chord_beyond_diameter", Chord, 10, Radius, 4.999},
                    NoSolutionCase{"height_of_whole_circle", Height, 10, Radius, 5},
                    NoSolutionCase{"arc_of_whole_circle", Arc, 2 * kPi * 5, Radius, 5},
                    NoSolutionCase{"angle_of_whole_circle", Angle, 360, Radius, 5},
                    NoSolutionCase{"zero_measurements", Arc, 0, Chord, 0},
                    NoSolutionCase{"negative_height", Chord, 10, Height, -1},
                    NoSolutionCase{"not_a_number", Chord, NAN, Height, 1},
                    NoSolutionCase{"infinite_arc", Arc, INFINITY, Chord, 1},
                    NoSolutionCase{"same_quantity_twice", Radius, 5, Radius, 6},
                    NoSolutionCase{"overflowing_height", Chord, 1e300, Height, 1e-300}));

TEST(ExactGeometry, ArcAndHeightHasTwoCirclesBetweenOneOverPiAndThePeak) {
  // The scan finds about 205 and 332 degrees for these with pi as 3.14.
  const ExactSolutions both = SolveExact(Quantity::Arc, 1000, Quantity::Height, 340);
  ASSERT_EQ(both.segments.size(), 2u);
  EXPECT_NEAR(both.segments[0].angle, 205, 2);
  EXPECT_NEAR(both.segments[1].angle, 332, 2);
  for (const ExactSegment& s : both.segments) {
    ExpectConsistent(s, 1e-9);
    EXPECT_EQ(s.arc, 1000);
    EXPECT_EQ(s.height, 340);
  }
  EXPECT_EQ(ChooseExact(both, SolveMode::MinorArc).segment->angle, both.segments[0].angle);
  EXPECT_EQ(ChooseExact(both, SolveMode::MajorArc).segment->angle, both.segments[1].angle);
  // The calculator's own angle outweighs the check box.
  const ExactChoice near_upper = ChooseExact(both, SolveMode::MinorArc, 332.22);
  EXPECT_EQ(near_upper.segment->angle, both.segments[1].angle);
  EXPECT_TRUE(near_upper.had_two);
  EXPECT_EQ(near_upper.other.angle, both.segments[0].angle);
  EXPECT_EQ(ChooseExact(both, SolveMode::MajorArc, 204.52).segment->angle, both.segments[0].angle);

  // At or below 1/pi the second circle would need 360 degrees or more.
  EXPECT_EQ(SolveExact(Quantity::Arc, 1000, Quantity::Height, 1000 / kPi - 1e-6).segments.size(),
            1u);
  EXPECT_EQ(SolveExact(Quantity::Arc, 1000, Quantity::Height, 100).segments.size(), 1u);
  const double peak = 1000 * MaxHeightToArcRatio();
  EXPECT_NEAR(MaxHeightToArcRatio(), 0.3623, 1e-4);
  const ExactSolutions near_peak =
      SolveExact(Quantity::Arc, 1000, Quantity::Height, peak * (1 - 1e-9));
  ASSERT_EQ(near_peak.segments.size(), 2u);
  EXPECT_NEAR(near_peak.segments[0].angle, near_peak.segments[1].angle, 0.1);
}

TEST(ExactGeometry, ChordAndRadiusGiveTheMinorAndTheMajorArc) {
  const ExactSolutions both = SolveExact(Chord, 1000, Radius, 800);
  ASSERT_EQ(both.segments.size(), 2u);
  EXPECT_NEAR(both.segments[0].angle + both.segments[1].angle, 360, 1e-9);
  EXPECT_NEAR(both.segments[0].height + both.segments[1].height, 1600, 1e-9);
  EXPECT_LT(ChooseExact(both, SolveMode::MinorArc).segment->angle, 180);
  EXPECT_GT(ChooseExact(both, SolveMode::MajorArc).segment->angle, 180);
  // A chord of the diameter leaves only the semicircle.
  const ExactSolutions semicircle = SolveExact(Chord, 1600, Radius, 800);
  ASSERT_EQ(semicircle.segments.size(), 1u);
  EXPECT_NEAR(semicircle.segments[0].angle, 180, 1e-9);
  EXPECT_NEAR(semicircle.segments[0].height, 800, 1e-9);
}

TEST(ExactGeometry, StaysNearTheCalculatorWhereItSolves) {
  // Pi as 3.14 moves the scan's answers by well under a percent.
  const ComputeOutcome outcome = Compute({"2491.78", "2067.63", ""}, ModeOfCheckValue(1), {});
  ASSERT_TRUE(outcome.scan.has_value());
  const ExactChoice exact = ChooseExact(
      SolveExact(Quantity::Arc, outcome.scan->first, Quantity::Chord, outcome.scan->second),
      SolveMode::MinorArc, outcome.scan->result.angle);
  ASSERT_TRUE(exact.segment.has_value());
  EXPECT_NEAR(exact.segment->angle, 119.03, 119.03 * 0.01);
  EXPECT_NEAR(exact.segment->radius, 1200, 1200 * 0.01);
  EXPECT_NEAR(exact.segment->height, 591.83, 591.83 * 0.01);
  ExpectConsistent(*exact.segment, 1e-9);
}

TEST(ExactGeometry, FormatsAsTheCalculatorDoes) {
  EXPECT_EQ(FormatTwoPlaces(1033.815, {}), "1033.82");
  EXPECT_EQ(FormatTwoPlaces(1200.004, {",", "."}), "1200");
  EXPECT_EQ(FormatTwoPlaces(0.125, {",", "."}), "0,12");
}

// Ordinates on a circle must lie on it: x^2 + (y + R cos(angle / 2))^2 = R^2.
void ExpectOnCircle(const ExactSegment& s, const Ordinate& o) {
  const double centre = s.radius * std::cos(s.angle * kPi / 360);
  const double distance = std::hypot(o.x, o.y + centre);
  EXPECT_NEAR(distance, s.radius, 1e-9 * s.radius) << "x " << o.x << " y " << o.y;
}

struct OrdinateCase {
  const char* name;
  double radius;
  double degrees;
  double step;
};

std::ostream& operator<<(std::ostream& out, const OrdinateCase& c) {
  return out << c.name;
}

class OrdinateTables : public testing::TestWithParam<OrdinateCase> {};

TEST_P(OrdinateTables, AreSymmetricWithTheHeightInTheMiddleAndZeroAtTheEnds) {
  const OrdinateCase& c = GetParam();
  const ExactSegment s = Circle(c.radius, c.degrees);
  const OrdinateTable table = Ordinates(s, c.step);
  ASSERT_TRUE(table.error.empty()) << table.error;
  const std::vector<Ordinate>& rows = table.rows;
  ASSERT_GE(rows.size(), 3u);
  EXPECT_EQ(rows.front().x, -s.chord / 2);
  EXPECT_EQ(rows.back().x, s.chord / 2);
  EXPECT_EQ(rows.front().y, 0);
  EXPECT_EQ(rows.back().y, 0);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Ordinate& mirror = rows[rows.size() - 1 - i];
    EXPECT_EQ(rows[i].x, -mirror.x);
    EXPECT_EQ(rows[i].y, mirror.y);
    if (i > 0) {
      EXPECT_LE(rows[i - 1].x, rows[i].x);
    }
    ExpectOnCircle(s, rows[i]);
  }
  const Ordinate& middle = rows[rows.size() / 2];
  EXPECT_EQ(middle.x, 0);
  EXPECT_EQ(middle.y, s.height);
  // Stations strictly inside the chord are the multiples of the step.
  const std::size_t extra_at_ends = c.degrees > 180 ? 2 : 1;
  for (std::size_t i = extra_at_ends; i + extra_at_ends < rows.size(); ++i) {
    const double k = rows[i].x / c.step;
    EXPECT_NEAR(k, std::round(k), 1e-9);
    EXPECT_LT(std::abs(rows[i].x), s.chord / 2);
  }
}

INSTANTIATE_TEST_SUITE_P(Arcs, OrdinateTables,
                         testing::Values(OrdinateCase{"startup_like", 1200, 119.03, 100},
                                         OrdinateCase{"step_beyond_chord", 1200, 10, 1000},
                                         OrdinateCase{"flat", 1e6, 0.01, 10},
                                         OrdinateCase{"semicircle", 50, 180, 10},
                                         OrdinateCase{"beyond_semicircle", 50, 250, 7},
                                         OrdinateCase{"nearly_whole", 50, 359, 0.1}));

TEST(Ordinates, StepThatDividesTheChordGivesNoRepeatedEnd) {
  const ExactSegment s = SolveExact(Chord, 100, Height, 20).segments.at(0);
  const OrdinateTable table = Ordinates(s, 10);
  ASSERT_EQ(table.rows.size(), 11u);
  EXPECT_EQ(table.rows[1].x, -40);
}

TEST(Ordinates, BeyondASemicircleTheEndsCarryTheFarSideToo) {
  const ExactSegment s = Circle(50, 240);
  const OrdinateTable table = Ordinates(s, 100);
  ASSERT_EQ(table.rows.size(), 5u);
  // The far side above a chord end: twice the centre's height over the chord.
  EXPECT_NEAR(table.rows[1].y, -2 * 50 * std::cos(240 * kPi / 360), 1e-9);
  EXPECT_EQ(table.rows[1].x, table.rows[0].x);
  EXPECT_EQ(table.rows[2].y, s.height);
}

TEST(Ordinates, RefuseStepsThatGiveNoTable) {
  const ExactSegment s = Circle(1200, 119.03);
  for (const double step : {0.0, -1.0, double{NAN}, double{INFINITY}, 1e-9}) {
    const OrdinateTable table = Ordinates(s, step);
    EXPECT_TRUE(table.rows.empty()) << step;
    EXPECT_FALSE(table.error.empty()) << step;
  }
}

}  // namespace
}  // namespace segcalc

#include "geometry/stations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "geometry/ordinates.h"
#include "geometry/station_text.h"
#include "tests/geometry/textbook_circle.h"

namespace segcalc {
namespace {

using textbook::Circle;
using textbook::FromCentre;

StationPlan Plan(std::string_view text) {
  const Checked<StationPlan> plan = ReadStationPlan(text);
  EXPECT_TRUE(plan.ok()) << text << ": " << plan.error;
  return plan.value.value_or(StationPlan{});
}

struct StationCase {
  const char* name;
  double radius;
  double degrees;
  const char* plan;
};

std::ostream& operator<<(std::ostream& out, const StationCase& c) {
  return out << c.name;
}

class StationTables : public ::testing::TestWithParam<StationCase> {};

TEST_P(StationTables, LieOnTheArcWithTheirArcLengthFromTheLeftEnd) {
  const StationCase& c = GetParam();
  const ExactSegment s = Circle(c.radius, c.degrees);
  const Checked<std::vector<Station>> table = Stations(s, Plan(c.plan));
  ASSERT_TRUE(table.ok()) << table.error;
  const std::vector<Station>& rows = *table.value;
  ASSERT_GE(rows.size(), 2u);
  EXPECT_EQ(rows.front().s, 0);
  EXPECT_EQ(rows.back().s, s.arc);
  const bool beyond = c.degrees > 180;
  const std::size_t first_inner = beyond ? 1 : 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Station& row = rows[i];
    EXPECT_NEAR(FromCentre(s, row.x, row.y), s.radius, 1e-9 * s.radius) << i;
    if (i > 0) {
      EXPECT_LE(rows[i - 1].x, row.x) << i;
      EXPECT_LE(rows[i - 1].s, row.s) << i;
    }
    if (i < first_inner + 1 || i + first_inner + 1 >= rows.size()) continue;
    // Every row but the arc's own ends stands on the part of the circle above
    // the centre, where its angle from the arc's middle is asin(x / R).
    EXPECT_NEAR(row.s, s.arc / 2 + s.radius * std::asin(row.x / s.radius), 1e-9 * s.arc) << i;
  }
  if (beyond) {
    // Two rows at each chord end: the arc's end, and the far side above it.
    EXPECT_EQ(rows[1].x, rows[0].x);
    EXPECT_NEAR(rows[1].y, 2 * (s.height - s.radius), 1e-9 * s.radius);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Plans, StationTables,
    ::testing::Values(StationCase{"from_end", 1200, 119.03, "from-end:250"},
                      StationCase{"from_end_step_beyond_chord", 1200, 10, "from-end:5000"},
                      StationCase{"divide", 1200, 119.03, "divide:8"},
                      StationCase{"list", 1200, 119.03, "list:300,450.5,450.5"},
                      StationCase{"list_to_the_right_end", 100, 90, "list:41.4213562373095,100"},
                      StationCase{"flat", 1e6, 0.01, "divide:3"},
                      StationCase{"semicircle", 50, 180, "from-end:7"},
                      StationCase{"beyond_semicircle_divide", 50, 250, "divide:5"},
                      StationCase{"beyond_semicircle_list", 50, 300, "list:10,10,10"}));

// Where the stations stand: from the left end by the step, in equal parts, or
// by the listed spacings, each plan with the ends and nothing else.
TEST(Stations, StandWhereThePlanPutsThem) {
  const ExactSegment s = Circle(1000, 60);  // a chord of 1000
  const struct {
    const char* plan;
    std::vector<double> from_left;
  } cases[] = {
      {"from-end:300", {0, 300, 600, 900, 1000}},
      {"from-end:250", {0, 250, 500, 750, 1000}},
      {"divide:4", {0, 250, 500, 750, 1000}},
      {"divide:1", {0, 1000}},
      {"list:300,450.5,200", {0, 300, 750.5, 950.5, 1000}},
      {"list:500,500", {0, 500, 1000}},
  };
  for (const auto& c : cases) {
    const Checked<std::vector<Station>> table = Stations(s, Plan(c.plan));
    ASSERT_TRUE(table.ok()) << c.plan << ": " << table.error;
    ASSERT_EQ(table.value->size(), c.from_left.size()) << c.plan;
    for (std::size_t i = 0; i < c.from_left.size(); ++i) {
      EXPECT_NEAR((*table.value)[i].x + 500, c.from_left[i], 1e-9) << c.plan << " row " << i;
    }
  }
}

TEST(Stations, CentredRowsAreTheOrdinatesTable) {
  for (const double degrees : {119.03, 250.0}) {
    const ExactSegment s = Circle(1200, degrees);
    StationPlan centred;
    centred.step = 100;
    const Checked<std::vector<Station>> table = Stations(s, centred);
    const OrdinateTable ordinates = Ordinates(s, 100);
    ASSERT_TRUE(table.ok()) << table.error;
    ASSERT_EQ(table.value->size(), ordinates.rows.size());
    for (std::size_t i = 0; i < ordinates.rows.size(); ++i) {
      EXPECT_EQ((*table.value)[i].x, ordinates.rows[i].x);
      EXPECT_EQ((*table.value)[i].y, ordinates.rows[i].y);
    }
  }
}

TEST(Stations, RefuseSpacingsPastTheRightEndAndTooManyRows) {
  const ExactSegment s = Circle(1000, 60);
  for (const char* text :
       {"list:600,600", "list:1000.001", "list:1000,1", "from-end:1e-6", "list:1e-300,5"}) {
    const Checked<std::vector<Station>> table = Stations(s, Plan(text));
    EXPECT_FALSE(table.ok()) << text;
    EXPECT_FALSE(table.error.empty()) << text;
  }
}

TEST(StationText, ReadsTheThreeFormsAndRefusesTheRest) {
  EXPECT_EQ(Plan("from-end:250").step, 250);
  EXPECT_EQ(Plan(" Divide : 8").parts, 8u);
  EXPECT_EQ(Plan("list:300,450.5,450.5").spacings, (std::vector<double>{300, 450.5, 450.5}));
  // A Chinese input method's full-width colon, digits and commas.
  EXPECT_EQ(Plan("list\uff1a\uff13\uff10\uff10\uff0c50").spacings, (std::vector<double>{300, 50}));
  std::string long_list = "list:1";
  for (int i = 0; i < 30'000; ++i) long_list += ",1";
  for (const std::string& text :
       {std::string(""), std::string("250"), std::string("centre:100"), std::string("list:"),
        std::string("list:1,,2"), std::string("list:1,"), std::string("list:nan"),
        std::string("list:inf"), std::string("list:1e308"), std::string("list:-5"),
        std::string("from-end:0"), std::string("from-end:1e308"), std::string("from-end:250mm"),
        std::string("divide:0"), std::string("divide:2.5"), std::string("divide:1e9"), long_list}) {
    const Checked<StationPlan> plan = ReadStationPlan(text);
    EXPECT_FALSE(plan.ok()) << text.substr(0, 40);
    EXPECT_FALSE(plan.error.empty()) << text.substr(0, 40);
  }
  // The comma always separates items, even where it is the locale's decimal point.
  EXPECT_EQ(Plan("list:300,450,5").spacings.size(), 3u);
}

}  // namespace
}  // namespace segcalc

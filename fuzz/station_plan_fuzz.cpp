// The station option text on any bytes, and the stations it gives on arcs
// short, flat, half and beyond a half circle: every row on the arc, x and s
// ascending from the left end (s = 0) to the right end (s = the arc), the
// listed spacings or equal parts where the plan puts them.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "calc/number_text.h"
#include "fuzz/fuzz_check.h"
#include "geometry/ordinates.h"
#include "geometry/station_text.h"

using namespace segcalc;

namespace {

const ExactSegment kArcs[] = {
    SegmentOfRadiusAndAngle(1200, 119.03),
    SegmentOfRadiusAndAngle(1e6, 0.01),
    SegmentOfRadiusAndAngle(50, 180),
    SegmentOfRadiusAndAngle(50, 300),
};

void CheckRows(const ExactSegment& arc, const StationPlan& plan, const std::vector<Station>& rows) {
  const double half = arc.chord / 2;
  FUZZ_CHECK(rows.size() >= 2 && rows.size() <= kMaxOrdinateRows + 2);
  FUZZ_CHECK(rows.front().x == -half && rows.front().y == 0 && rows.front().s == 0);
  FUZZ_CHECK(rows.back().x == half && rows.back().y == 0 && rows.back().s == arc.arc);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Station& row = rows[i];
    const double from_centre = std::hypot(row.x, row.y - (arc.height - arc.radius));
    FUZZ_CHECK(std::abs(from_centre - arc.radius) <= 1e-9 * arc.radius);
    if (i > 0) FUZZ_CHECK(rows[i - 1].x <= row.x && rows[i - 1].s <= row.s);
  }
  const std::size_t far_sides = arc.angle > 180 ? 2 : 0;
  const std::size_t inside = rows.size() - 2 - far_sides;
  if (plan.rule == StationRule::Divide) FUZZ_CHECK(inside == plan.parts - 1);
  if (plan.rule == StationRule::List) {
    FUZZ_CHECK(inside <= plan.spacings.size());
    double offset = 0;
    for (std::size_t i = 0; i < inside; ++i) {
      offset += plan.spacings[i];
      FUZZ_CHECK(std::abs(rows[i + 1 + far_sides / 2].x - (offset - half)) <= 1e-9 * arc.chord);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const Checked<StationPlan> plan = ReadStationPlan(text);
  if (!plan.ok()) {
    FUZZ_CHECK(!plan.error.empty());
    return 0;
  }
  FUZZ_CHECK(StationPlanProblem(*plan.value).empty());
  if (plan.value->rule == StationRule::List) {
    // One spacing per comma-separated item after the colon.
    const std::string ascii = WithAsciiForms(text);
    std::size_t commas = 0;
    for (const char c : ascii) commas += c == ',';
    FUZZ_CHECK(plan.value->spacings.size() == commas + 1);
  }
  for (const ExactSegment& arc : kArcs) {
    const Checked<std::vector<Station>> rows = Stations(arc, *plan.value);
    if (rows.ok()) {
      CheckRows(arc, *plan.value, *rows.value);
    } else {
      FUZZ_CHECK(!rows.error.empty());
    }
  }
  return 0;
}

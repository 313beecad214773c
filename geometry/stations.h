#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "geometry/arch.h"
#include "geometry/checked.h"
#include "geometry/exact_geometry.h"

namespace segcalc {

// Where along the chord the layout table's stations stand.
enum class StationRule {
  Centred,  // today's ordinates: 0, +-step, +-2 step, ... and both ends
  FromEnd,  // the left end, left end + step, + 2 step, ... and the right end
  Divide,   // the chord in `parts` equal parts, both ends included
  List,     // successive spacings from the left end, then the right end
};

struct StationPlan {
  StationRule rule = StationRule::Centred;
  double step = 0.0;             // Centred, FromEnd
  std::size_t parts = 0;         // Divide
  std::vector<double> spacings;  // List
};

// One station: x along the chord from its midpoint, y from the chord up to
// the arc (as the ordinates table has it), s the arc length from the arc's
// left end to that point of the arc.
struct Station {
  double x = 0.0;
  double y = 0.0;
  double s = 0.0;
};

// Why a plan gives no table whatever the arc, or empty: a step or a spacing
// not above 0, no parts, more stations than the ordinates table allows.
std::string StationPlanProblem(const StationPlan& plan);

// The stations ascending in x, ends included. Beyond a semicircle each chord
// end has two rows, as in the ordinates table: the arc's own end (y = 0) on
// the outside and the far side of the arc above it. Refuses, besides the
// plan's own problems, spacings whose sum passes the right end, and more rows
// than kMaxOrdinateRows.
// On any other head x runs along its span from the middle, y is the height
// over the springing line and s the length along the arch.
Checked<std::vector<Station>> Stations(const Arch& arch, const StationPlan& plan);
Checked<std::vector<Station>> Stations(const ExactSegment& segment, const StationPlan& plan);

}  // namespace segcalc

#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "geometry/barplan/cut_pattern.h"
#include "geometry/barplan/plan_request.h"
#include "geometry/barplan/work_meter.h"

namespace segcalc::barplan {

// Beyond this many rows (piece lengths still wanted and rack lengths) the LP's
// dense basis would take too long and too much memory: the plan is made by
// filling bars one by one, with the bound of the total length.
inline constexpr std::size_t kMaxLpRows = 600;

struct Relaxation {
  std::vector<std::pair<Pattern, double>> solution;  // patterns used, in the LP's order
  // What the new bars must be long in all, at least, in grid steps: the
  // LP's dual turned into a bound that holds whether or not it ran to the
  // end, and whatever rounding did to its numbers.
  double lower_bound = 0.0;
  bool covered = false;  // every piece on real stock, none left over
  bool optimal = false;  // ran until no pattern improved the LP
};

// The linear relaxation of cutting `demand` (per piece type) from new stock
// and from the rack (`available` bars left per stock kind; ignored for new
// stock): the LP over the patterns, priced by a bounded knapsack for each
// stock kind, one new pattern per kind and round. Starts from the patterns
// of `pool` and the one-length patterns, and adds those it makes to `pool`.
// At most `max_rounds` rounds of pricing, 0 for as many as it takes.
Relaxation SolveRelaxation(const BarInstance& instance, const std::vector<std::int64_t>& demand,
                           const std::vector<std::int64_t>& available, std::vector<Pattern>& pool,
                           WorkMeter& meter, std::size_t max_rounds = 0);

// The least new length a plan can buy that is at least `bound`: the lengths
// bought are whole multiples of the stock lengths' greatest common divisor.
std::int64_t RoundUpToStock(const BarInstance& instance, double bound);

}  // namespace segcalc::barplan

#pragma once

#include <cstdint>
#include <vector>

namespace segcalc::barplan {

// One kind of piece offered to a bar: `bound` pieces at most, each worth
// `value` and taking `weight` of the bar.
struct KnapsackItem {
  double value = 0.0;
  std::int64_t weight = 1;
  std::int64_t bound = 0;
};

struct KnapsackFill {
  std::vector<std::int64_t> counts;  // per item, in the order given
  double value = 0.0;
  // At least the best value there is: the value itself when the search ran to
  // the end, else the bound of the relaxation where items may be cut.
  double upper_bound = 0.0;
  bool exact = true;
  std::int64_t nodes = 0;  // the work it took
};

// The most valuable fill of a bar of `capacity` by branch and bound, items
// tried best value per weight first (ties by their order), each count from
// the most that fits down. Weights are whole grid steps, so what fits is
// decided exactly. Stops after `node_limit` nodes with the best fill found.
KnapsackFill FillMostValuable(const std::vector<KnapsackItem>& items, std::int64_t capacity,
                              std::int64_t node_limit);

}  // namespace segcalc::barplan

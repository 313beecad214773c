#include "geometry/barplan/cut_pattern.h"

#include <algorithm>
#include <limits>

namespace segcalc::barplan {

std::int64_t UsedLength(const BarInstance& instance, const Pattern& pattern) {
  std::int64_t used = instance.end_a + instance.end_b;
  for (const auto& [type, count] : pattern.items) used += count * instance.Weight(type);
  return used;
}

bool Fits(const BarInstance& instance, const Pattern& pattern) {
  return UsedLength(instance, pattern) <= instance.stock[pattern.stock].length;
}

Pattern Clipped(const Pattern& pattern, const std::vector<std::int64_t>& demand) {
  Pattern clipped{pattern.stock, {}};
  for (const auto& [type, count] : pattern.items) {
    const std::int64_t kept = std::min(count, demand[type]);
    if (kept > 0) clipped.items.push_back({type, kept});
  }
  return clipped;
}

std::int64_t CopiesWanted(const Pattern& pattern, const std::vector<std::int64_t>& demand) {
  if (pattern.Empty()) return 0;
  std::int64_t copies = std::numeric_limits<std::int64_t>::max();
  for (const auto& [type, count] : pattern.items) copies = std::min(copies, demand[type] / count);
  return copies;
}

void TakeCopies(const Pattern& pattern, std::int64_t copies, std::vector<std::int64_t>& demand) {
  for (const auto& [type, count] : pattern.items) demand[type] -= copies * count;
}

}  // namespace segcalc::barplan

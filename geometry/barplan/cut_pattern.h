#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "geometry/barplan/plan_request.h"

namespace segcalc::barplan {

// How one bar is cut: the stock kind and how many pieces of each type, types
// ascending. Compared as a whole, so that sets and maps of patterns iterate
// in the same order on every build.
struct Pattern {
  std::size_t stock = 0;
  std::vector<std::pair<std::uint32_t, std::int64_t>> items;

  // Written out: the web build's standard library has no <=> for vectors.
  bool operator<(const Pattern& other) const {
    return stock != other.stock ? stock < other.stock : items < other.items;
  }
  bool operator==(const Pattern& other) const {
    return stock == other.stock && items == other.items;
  }
  bool Empty() const { return items.empty(); }
};

// What the pieces of a pattern take from its bar, ends included.
std::int64_t UsedLength(const BarInstance& instance, const Pattern& pattern);
bool Fits(const BarInstance& instance, const Pattern& pattern);
// The pattern with no more of each type than `demand` holds.
Pattern Clipped(const Pattern& pattern, const std::vector<std::int64_t>& demand);
// How many whole copies `demand` still takes.
std::int64_t CopiesWanted(const Pattern& pattern, const std::vector<std::int64_t>& demand);
void TakeCopies(const Pattern& pattern, std::int64_t copies, std::vector<std::int64_t>& demand);

// Patterns with the number of bars cut each way: a plan before its marks.
struct BarCount {
  Pattern pattern;
  std::int64_t bars = 0;
};
using CutList = std::vector<BarCount>;

}  // namespace segcalc::barplan

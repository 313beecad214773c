#pragma once

#include <cstdint>

#include "geometry/barplan/plan_request.h"

namespace segcalc::bench {

// Wikipedia's "Cutting stock problem" illustration: 5600 mm bars, 13 lengths,
// 219 pieces; the optimum, 73 bars, meets the LP bound.
inline barplan::PlanRequest PublishedThirteenLengths() {
  barplan::PlanRequest request;
  request.bar_lengths = {5600};
  const int lengths[] = {1380, 1520, 1560, 1710, 1820, 1880, 1930,
                         2000, 2050, 2100, 2140, 2150, 2200};
  const int quantities[] = {22, 25, 12, 14, 18, 18, 20, 10, 12, 14, 16, 18, 20};
  for (std::size_t i = 0; i < 13; ++i) {
    request.pieces.push_back({static_cast<double>(lengths[i]), quantities[i], "", i + 1});
  }
  return request;
}

// 2,000 pieces of 300 distinct lengths from 300 to 2,499.5 mm on 6 m bars,
// drawn by a generator of its own, so that every build plans the same list.
inline barplan::PlanRequest ThousandsOfPieces() {
  barplan::PlanRequest request;
  request.bar_lengths = {6000};
  std::uint64_t state = 20261210;
  const auto next = [&state](std::uint64_t below) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return (state >> 33) % below;
  };
  bool used[4400] = {};
  std::vector<long long> quantities(300, 1);
  for (int i = 300; i < 2000; ++i) ++quantities[next(300)];
  for (std::size_t i = 0; i < 300; ++i) {
    std::uint64_t half_mm = next(4400);
    while (used[half_mm]) half_mm = (half_mm + 1) % 4400;
    used[half_mm] = true;
    request.pieces.push_back(
        {300.0 + static_cast<double>(half_mm) / 2.0, quantities[i], "", i + 1});
  }
  return request;
}

}  // namespace segcalc::bench

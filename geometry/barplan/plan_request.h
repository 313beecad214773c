#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "geometry/checked.h"

namespace segcalc::barplan {

// What the saw is asked to cut, in the user's unit: pieces, the stock bought as
// needed, the bars and offcuts already on the rack, and the saw's rules.

// `quantity` pieces of `length`, marked `mark` on the saw sheet. `line` is
// where the pieces came from in the user's list (0 for nowhere), so that a
// refusal can name it.
struct PieceLine {
  double length = 0.0;
  long long quantity = 0;
  std::string mark;
  std::size_t line = 0;
};

// `count` bars or offcuts of `length` on the rack.
struct RackLine {
  double length = 0.0;
  long long count = 0;
  std::size_t line = 0;
};

struct PlanRequest {
  std::vector<PieceLine> pieces;
  std::vector<double> bar_lengths;  // stock lengths bought as needed
  std::vector<RackLine> rack;       // used before any new bar
  double kerf = 0.0;                // every piece takes its length plus this
  double end_a = 0.0;               // cut off and thrown away at the bar's two ends
  double end_b = 0.0;
  double min_offcut = 0.0;  // a leftover this long goes back to the rack as 余料
  // The decimal places the lengths are exact to: every length is taken on a
  // grid of 10^-places of the unit, so that whether pieces fit a bar is
  // decided on whole numbers, exactly and alike on every build. Two for
  // millimetres; the unit's places for 0.01 mm in others (five for metres).
  int places = 2;
};

// Beyond these a list is a slip, not a job: the plan is refused with a reason
// before any work is done.
inline constexpr long long kMaxPieces = 1'000'000;       // pieces in all
inline constexpr long long kMaxRackBars = 1'000'000;     // bars on the rack in all
inline constexpr std::size_t kMaxPieceLengths = 10'000;  // distinct piece lengths
inline constexpr std::size_t kMaxStockLengths = 50;      // stock lengths to buy
inline constexpr std::size_t kMaxRackLengths = 10'000;   // distinct rack lengths
inline constexpr int kMaxPlaces = 6;
// A length on the grid, at most: sums of a million of them stay exact in 64 bits.
inline constexpr std::int64_t kMaxGridLength = 1'000'000'000'000;

// The same request on the grid, checked and grouped: the pieces by length,
// longest first, each with the marks of its lines in the order they came; the
// stock kinds, new lengths first (shortest first), then the rack's (shortest
// first). All lengths are whole numbers of grid steps.
struct MarkRun {
  std::string mark;
  std::int64_t count = 0;
  std::size_t line = 0;
};

struct PieceType {
  std::int64_t length = 0;
  std::int64_t demand = 0;
  std::vector<MarkRun> marks;  // their counts add up to demand
  std::size_t first_line = 0;
};

struct StockKind {
  std::int64_t length = 0;
  std::int64_t capacity = 0;   // what the pieces may take: length less both ends
  std::int64_t available = 0;  // on the rack; unused for new stock
  bool rack = false;
};

struct BarInstance {
  std::vector<PieceType> types;
  std::vector<StockKind> stock;
  std::int64_t kerf = 0;
  std::int64_t end_a = 0;
  std::int64_t end_b = 0;
  std::int64_t min_offcut = 0;
  int places = 2;

  // What one piece of a type takes from a bar.
  std::int64_t Weight(std::size_t type) const { return types[type].length + kerf; }
  // The grid back to the user's unit.
  double Length(std::int64_t grid) const;
  std::int64_t TotalPieces() const;
};

// Checks every number and every limit and puts the request on the grid. A
// refusal names the line or the field, in Chinese; so does a piece longer
// than every bar, new or on the rack, with its saw rules.
Checked<BarInstance> PrepareInstance(const PlanRequest& request);

}  // namespace segcalc::barplan

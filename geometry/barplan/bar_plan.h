#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace segcalc::barplan {

// A plan the saw works from, in the user's unit. Every total is worked out on
// the grid and only then turned back into the unit, so the totals add up:
// used = pieces + kerf + ends + offcuts + scrap.

// `count` pieces of one length and mark, cut one after another.
struct CutRun {
  double length = 0.0;
  std::string mark;
  std::int64_t count = 0;
};

// One way of cutting a bar, and how many bars to cut that way.
struct PlanPattern {
  double stock_length = 0.0;
  bool from_rack = false;  // a bar or offcut already on the rack, not bought
  std::int64_t bars = 0;
  std::vector<CutRun> cuts;  // in cut order: the longest first
  std::int64_t pieces = 0;   // on one bar
  double used = 0.0;         // ends, pieces and kerf on one bar
  double leftover = 0.0;     // what is left of one bar
  bool offcut = false;       // the leftover goes back to the rack (余料), else scrap
};

struct StockUse {
  double length = 0.0;
  std::int64_t bars = 0;
};

struct BarPlan {
  std::vector<PlanPattern> patterns;
  std::vector<StockUse> new_bars;   // per stock length bought, shortest first
  std::vector<StockUse> rack_bars;  // per rack length used, shortest first
  std::int64_t new_bar_count = 0;
  std::int64_t rack_bar_count = 0;
  double new_length = 0.0;    // 新料总长
  double used_length = 0.0;   // 用料总长: new and rack bars cut
  double piece_length = 0.0;  // 成品总长
  double kerf_length = 0.0;
  double ends_length = 0.0;
  double offcut_length = 0.0;  // 余料
  std::int64_t offcut_count = 0;
  double scrap_length = 0.0;  // 废料
  std::int64_t scrap_count = 0;
  double utilization = 0.0;  // piece_length / used_length, 0 to 1
  double longest_leftover = 0.0;

  // The bound of the linear relaxation on the new length, rounded up to what
  // the stock lengths can make; in bars too when there is one stock length.
  double bound_length = 0.0;
  std::optional<std::int64_t> bound_bars;
  bool proven = false;  // the plan's new length meets the bound
  double gap_length = 0.0;
  std::optional<std::int64_t> gap_bars;
  // The work bound stopped the search: the plan is the best found by then.
  bool stopped = false;

  // The saw rules the plan was made with.
  double kerf = 0.0;
  double end_a = 0.0;
  double end_b = 0.0;
  double min_offcut = 0.0;
  int places = 2;
};

}  // namespace segcalc::barplan

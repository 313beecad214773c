#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string_view>

namespace segcalc::barplan {

// How far a plan has come, for the page's worker to show.
struct PlanProgress {
  double fraction = 0.0;   // of the work bound, 0 to 1
  std::string_view stage;  // 线性松弛, 取整, 改进
};

using ProgressCallback = std::function<void(const PlanProgress&)>;

// Under a second of work on a desktop: beyond it a plan stops where it is,
// with its best plan and the gap to the bound.
inline constexpr std::int64_t kDefaultWorkLimit = 3'000'000'000;

// A node of the knapsack's search takes about as long as this many steps of
// the LP's arithmetic.
inline constexpr std::int64_t kStepsPerKnapsackNode = 40;

// Counts the solver's work in piece-pattern steps (a row of the LP against a
// pattern, a piece tried on a bar, a node of the knapsack), so that where a
// plan stops depends on the list alone, never on the clock or the machine.
class WorkMeter {
 public:
  WorkMeter(std::int64_t limit, ProgressCallback progress);

  // Adds work; false once the limit, or the stage's share of it, is reached.
  bool Add(std::int64_t steps);
  bool Exhausted() const { return done_ >= std::min(limit_, stage_end_); }
  // Whether some stage was cut short by its share or the limit.
  bool CutShort() const { return cut_short_; }
  std::int64_t Done() const { return done_; }
  // A new stage, which may use work up to `share` of the whole limit.
  void SetStage(std::string_view stage, double share = 1.0);

 private:
  void Report();

  std::int64_t limit_;
  std::int64_t done_ = 0;
  std::int64_t next_report_ = 0;
  std::int64_t stage_end_;
  bool cut_short_ = false;
  std::string_view stage_;
  ProgressCallback progress_;
};

}  // namespace segcalc::barplan

#include "geometry/barplan/work_meter.h"

#include <algorithm>
#include <utility>

namespace segcalc::barplan {
namespace {

// The page's bar moves in hundredths.
constexpr std::int64_t kReports = 100;

}  // namespace

WorkMeter::WorkMeter(std::int64_t limit, ProgressCallback progress)
    : limit_(std::max<std::int64_t>(limit, 1)),
      stage_end_(limit_),
      progress_(std::move(progress)) {}

bool WorkMeter::Add(std::int64_t steps) {
  done_ = steps > limit_ - done_ ? limit_ : done_ + std::max<std::int64_t>(steps, 0);
  if (done_ >= next_report_) Report();
  cut_short_ = cut_short_ || Exhausted();
  return !Exhausted();
}

void WorkMeter::SetStage(std::string_view stage, double share) {
  stage_ = stage;
  stage_end_ =
      share >= 1.0 ? limit_ : static_cast<std::int64_t>(static_cast<double>(limit_) * share);
  Report();
}

void WorkMeter::Report() {
  next_report_ = done_ + std::max<std::int64_t>(limit_ / kReports, 1);
  if (progress_) {
    progress_({static_cast<double>(done_) / static_cast<double>(limit_), stage_});
  }
}

}  // namespace segcalc::barplan

#include "bench_summary.h"

namespace segcalc::bench {

void SummaryReporter::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
    const std::string& name = run.run_name.function_name;
    seconds_[name] = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    for (const auto& [counter, value] : run.counters) counters_[name][counter] = value;
  }
  ConsoleReporter::ReportRuns(runs);
}

double SummaryReporter::Seconds(const std::string& name) const {
  const auto found = seconds_.find(name);
  return found == seconds_.end() ? 0.0 : found->second;
}

double SummaryReporter::Counter(const std::string& name, const std::string& counter) const {
  const auto found = counters_.find(name);
  if (found == counters_.end()) return 0.0;
  const auto value = found->second.find(counter);
  return value == found->second.end() ? 0.0 : value->second;
}

}  // namespace segcalc::bench

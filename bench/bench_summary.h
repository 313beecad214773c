#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace segcalc::bench {

// Prints the usual console report and keeps each benchmark's time per
// iteration and counters under the name it was registered with, for the
// ratios printed after the run.
class SummaryReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;

  // Seconds per iteration, or 0 when the benchmark did not run.
  double Seconds(const std::string& name) const;
  double Counter(const std::string& name, const std::string& counter) const;

 private:
  std::map<std::string, double> seconds_;
  std::map<std::string, std::map<std::string, double>> counters_;
};

}  // namespace segcalc::bench

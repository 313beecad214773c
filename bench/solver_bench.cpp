// The fast solve against the reference scan, pair by pair and mode by mode,
// the first solve with its tables still to build, and batch throughput on one
// and two threads. A summary with the ratios follows the usual report.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <numbers>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "bench_summary.h"
#include "calc/fast_solver.h"
#include "calc/scan_tables.h"
#include "calc/segment_solver.h"
#include "cli/batch.h"

namespace segcalc::bench {
namespace {

struct Case {
  const char* name;
  InputPair pair;
  SolveMode mode;
  double first, second;                // a realistic arch that solves
  double missed_first, missed_second;  // no match anywhere: every pass is scanned
};

const Case kCases[] = {
    {"ArcAndChord/MinorArc", InputPair::ArcAndChord, SolveMode::MinorArc, 2491.78, 2067.63, 100,
     200},
    {"ArcAndChord/MajorArc", InputPair::ArcAndChord, SolveMode::MajorArc, 2491.78, 2067.63, 100,
     200},
    {"ArcAndHeight/MinorArc", InputPair::ArcAndHeight, SolveMode::MinorArc, 1000, 340, 1000, 400},
    {"ArcAndHeight/MajorArc", InputPair::ArcAndHeight, SolveMode::MajorArc, 1000, 340, 1000, 400},
    {"ChordAndHeight/MinorArc", InputPair::ChordAndHeight, SolveMode::MinorArc, 2067.63, 591.83,
     1000, 1000},
    {"ChordAndHeight/MajorArc", InputPair::ChordAndHeight, SolveMode::MajorArc, 2067.63, 592.41, 10,
     0.01},
};

std::string Name(const char* what, const Case& c, bool missed) {
  return std::string(what) + "/" + c.name + (missed ? "/no-match" : "/solves");
}

void RegisterSolves() {
  for (const Case& c : kCases) {
    for (const bool missed : {false, true}) {
      const double first = missed ? c.missed_first : c.first;
      const double second = missed ? c.missed_second : c.second;
      benchmark::RegisterBenchmark(
          Name("Reference", c, missed).c_str(),
          [c, first, second](benchmark::State& state) {
            for (auto _ : state) {
              benchmark::DoNotOptimize(SolveByScan(c.pair, c.mode, first, second));
            }
          })
          ->Unit(benchmark::kMillisecond)
          ->UseRealTime();
      benchmark::RegisterBenchmark(
          Name("Fast", c, missed).c_str(),
          [c, first, second](benchmark::State& state) {
            for (auto _ : state) {
              benchmark::DoNotOptimize(Solve(c.pair, c.mode, first, second));
            }
          })
          ->Unit(benchmark::kMillisecond)
          ->UseRealTime();
    }
    // A fresh set of tables each time: the solve builds what it reads.
    benchmark::RegisterBenchmark(
        Name("FirstSolveColdTables", c, false).c_str(),
        [c](benchmark::State& state) {
          for (auto _ : state) {
            state.PauseTiming();
            auto tables = std::make_unique<ScanTables>();
            state.ResumeTiming();
            benchmark::DoNotOptimize(SolveWithTables(*tables, c.pair, c.mode, c.first, c.second));
            state.PauseTiming();
            tables.reset();
            state.ResumeTiming();
          }
        })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
  }
}

// Realistic cutting-list lines: arches of radius 50 to 20,000 and 1 to 359
// degrees, two of the three measurements given at two decimals, either mode.
std::string BatchInput(int lines) {
  std::mt19937_64 random(42);
  std::uniform_real_distribution<double> radius_of(50.0, 20000.0);
  std::uniform_real_distribution<double> degrees_of(1.0, 359.0);
  std::string input;
  char line[128];
  for (int i = 0; i < lines; ++i) {
    const double radius = radius_of(random);
    const double theta = degrees_of(random) * std::numbers::pi / 180.0;
    const double arc = radius * theta;
    const double chord = 2.0 * radius * std::sin(theta / 2.0);
    const double height = radius * (1.0 - std::cos(theta / 2.0));
    const int check = theta < std::numbers::pi ? 1 : 0;
    switch (i % 3) {
      case 0:
        std::snprintf(line, sizeof line, "%.2f\t%.2f\t\t%d\n", arc, chord, check);
        break;
      case 1:
        std::snprintf(line, sizeof line, "%.2f\t\t%.2f\t%d\n", arc, height, check);
        break;
      default:
        std::snprintf(line, sizeof line, "\t%.2f\t%.2f\t%d\n", chord, height, check);
        break;
    }
    input += line;
  }
  return input;
}

constexpr int kBatchLines = 200;

void RegisterBatch() {
  for (const unsigned jobs : {1u, 2u}) {
    benchmark::RegisterBenchmark(
        ("Batch/jobs:" + std::to_string(jobs)).c_str(),
        [jobs](benchmark::State& state) {
          const std::string input = BatchInput(kBatchLines);
          const NumberSeparators separators{".", ","};
          for (auto _ : state) {
            std::istringstream in(input);
            std::ostringstream out, err;
            benchmark::DoNotOptimize(RunBatch(in, out, err, separators, jobs));
          }
          state.SetItemsProcessed(state.iterations() * kBatchLines);
        })
        ->Unit(benchmark::kMillisecond)
        ->MinTime(2.0)  // two threads on a shared machine: average over more runs
        ->UseRealTime();
  }
}

const char* SetName(scan::InstructionSet set) {
  switch (set) {
    case scan::InstructionSet::Avx512:
      return "AVX-512";
    case scan::InstructionSet::Avx2:
      return "AVX2";
    case scan::InstructionSet::Baseline:
      break;
  }
  return "baseline";
}

void PrintSummary(const SummaryReporter& report) {
  std::printf("\nSummary (instruction set %s)\n", SetName(scan::BestInstructionSet()));
  std::printf("%-26s %12s %10s %8s %12s %10s %8s %14s %10s\n", "case", "reference ms", "fast ms",
              "ratio", "no-match ref", "fast ms", "ratio", "cold first ms", "cold/ref");
  double log_solves = 0.0;
  double log_missed = 0.0;
  double worst_cold = 0.0;
  int counted = 0;
  for (const Case& c : kCases) {
    const double reference = report.Seconds(Name("Reference", c, false));
    const double fast = report.Seconds(Name("Fast", c, false));
    const double missed_reference = report.Seconds(Name("Reference", c, true));
    const double missed_fast = report.Seconds(Name("Fast", c, true));
    const double cold = report.Seconds(Name("FirstSolveColdTables", c, false));
    if (reference == 0 || fast == 0 || missed_reference == 0 || missed_fast == 0 || cold == 0) {
      continue;
    }
    std::printf("%-26s %12.3f %10.4f %8.1f %12.3f %10.4f %8.1f %14.3f %10.2f\n", c.name,
                reference * 1e3, fast * 1e3, reference / fast, missed_reference * 1e3,
                missed_fast * 1e3, missed_reference / missed_fast, cold * 1e3, cold / reference);
    log_solves += std::log(reference / fast);
    log_missed += std::log(missed_reference / missed_fast);
    worst_cold = std::max(worst_cold, cold / reference);
    ++counted;
  }
  if (counted > 0) {
    std::printf("geometric mean of the ratios over %d cases: %.1f (solves), %.1f (no match)\n",
                counted, std::exp(log_solves / counted), std::exp(log_missed / counted));
    std::printf("first solve with cold tables: at most %.2f times the reference\n", worst_cold);
  }
  std::printf("tables built by the six cases: %zu bytes (%.2f MB)\n",
              SharedScanTables().BytesBuilt(), SharedScanTables().BytesBuilt() / 1e6);
  const double one = report.Counter("Batch/jobs:1", "items_per_second");
  const double two = report.Counter("Batch/jobs:2", "items_per_second");
  if (one > 0 && two > 0) {
    std::printf("batch of %d lines: %.0f lines/s with -j 1, %.0f lines/s with -j 2, ratio %.2f\n",
                kBatchLines, one, two, two / one);
  }
}

}  // namespace
}  // namespace segcalc::bench

int main(int argc, char** argv) {
  using namespace segcalc::bench;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RegisterSolves();
  RegisterBatch();
  SummaryReporter report;
  benchmark::RunSpecifiedBenchmarks(&report);
  PrintSummary(report);
  benchmark::Shutdown();
  return 0;
}

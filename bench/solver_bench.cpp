// The fast solve against the reference scan, pair by pair and mode by mode,
// the first solve of a fresh process, and batch throughput on one and two
// threads against a plain scan of the same lines, and the bar plan of a
// published list and of 2,000 pieces. A summary with the ratios follows the
// usual report.
//
//   solver_bench [benchmark options]
//   solver_bench --first-solve PAIR MODE FIRST SECOND   (used by the bench itself)

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numbers>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "barplan_bench.h"
#include "bench_summary.h"
#include "calc/fast_solver.h"
#include "calc/scan_ranges.h"
#include "calc/segment_solver.h"
#include "cli/batch.h"

namespace segcalc::bench {
namespace {

struct SolveInput {
  InputPair pair;
  SolveMode mode;
  double first, second;
};

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

std::string g_program;  // this executable, started again for a fresh first solve

// Runs `solver_bench --first-solve ...` and reads the seconds it prints.
double FirstSolveSeconds(const Case& c) {
  char command[512];
  std::snprintf(command, sizeof command, "'%s' --first-solve %d %d %.17g %.17g", g_program.c_str(),
                static_cast<int>(c.pair), static_cast<int>(c.mode), c.first, c.second);
  FILE* child = popen(command, "r");
  double seconds = 0.0;
  if (child == nullptr || std::fscanf(child, "%lf", &seconds) != 1) seconds = 0.0;
  if (child != nullptr) pclose(child);
  return seconds;
}

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
    // A fresh process each time: nothing built, nothing in the caches.
    benchmark::RegisterBenchmark(Name("FirstSolveFreshProcess", c, false).c_str(),
                                 [c](benchmark::State& state) {
                                   for (auto _ : state)
                                     state.SetIterationTime(FirstSolveSeconds(c));
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(15);
  }
}

struct BatchList {
  std::string text;
  std::vector<SolveInput> solves;  // what each line asks the solver
};

// Realistic cutting-list lines: arches of radius 50 to 20,000 and 1 to 359
// degrees, two of the three measurements given at two decimals, either mode.
BatchList MakeBatchList(int lines) {
  std::mt19937_64 random(42);
  std::uniform_real_distribution<double> radius_of(50.0, 20000.0);
  std::uniform_real_distribution<double> degrees_of(1.0, 359.0);
  BatchList list;
  char line[128];
  const auto two_places = [](double x) { return std::round(x * 100.0) / 100.0; };
  for (int i = 0; i < lines; ++i) {
    const double radius = radius_of(random);
    const double theta = degrees_of(random) * std::numbers::pi / 180.0;
    const double arc = two_places(radius * theta);
    const double chord = two_places(2.0 * radius * std::sin(theta / 2.0));
    const double height = two_places(radius * (1.0 - std::cos(theta / 2.0)));
    const int check = theta < std::numbers::pi ? 1 : 0;
    const SolveMode mode = check == 1 ? SolveMode::MinorArc : SolveMode::MajorArc;
    switch (i % 3) {
      case 0:
        std::snprintf(line, sizeof line, "%.2f\t%.2f\t\t%d\n", arc, chord, check);
        list.solves.push_back({InputPair::ArcAndChord, mode, arc, chord});
        break;
      case 1:
        std::snprintf(line, sizeof line, "%.2f\t\t%.2f\t%d\n", arc, height, check);
        list.solves.push_back({InputPair::ArcAndHeight, mode, arc, height});
        break;
      default:
        std::snprintf(line, sizeof line, "\t%.2f\t%.2f\t%d\n", chord, height, check);
        list.solves.push_back({InputPair::ChordAndHeight, mode, chord, height});
        break;
    }
    list.text += line;
  }
  return list;
}

constexpr int kBatchLines = 2000;
// Two threads gain on one only once their start and the last chunk are small
// beside the whole: a list ten times longer.
constexpr int kLongBatchLines = 20000;

std::string BatchName(int lines, unsigned jobs) {
  return "Batch/lines:" + std::to_string(lines) + "/jobs:" + std::to_string(jobs);
}
// The plain scan takes about ten milliseconds a line, so it is timed on every
// tenth line of the same list and counted per line.
constexpr int kReferenceSample = 10;

void RegisterBatch() {
  const struct {
    int lines;
    unsigned jobs;
  } runs[] = {{kBatchLines, 1}, {kLongBatchLines, 1}, {kLongBatchLines, 2}};
  for (const auto& run : runs) {
    // Copied out: a lambda may not capture a structured binding before clang 16.
    const int lines = run.lines;
    const unsigned jobs = run.jobs;
    benchmark::RegisterBenchmark(
        BatchName(lines, jobs).c_str(),
        [lines, jobs](benchmark::State& state) {
          const std::string input = MakeBatchList(lines).text;
          const NumberSeparators separators{".", ","};
          for (auto _ : state) {
            std::istringstream in(input);
            std::ostringstream out, err;
            benchmark::DoNotOptimize(RunBatch(in, out, err, separators, jobs));
          }
          state.SetItemsProcessed(state.iterations() * lines);
        })
        ->Unit(benchmark::kMillisecond)
        ->MinTime(2.0)  // two threads on a shared machine: average over more runs
        ->UseRealTime();
  }
  // The same lines' solves alone, on the fast solve: what a batch line costs
  // beyond its solve (reading, writing, the compute around it) is the ratio.
  benchmark::RegisterBenchmark(
      "Batch/solves-alone",
      [](benchmark::State& state) {
        const BatchList list = MakeBatchList(kBatchLines);
        for (auto _ : state) {
          for (const SolveInput& s : list.solves) {
            benchmark::DoNotOptimize(Solve(s.pair, s.mode, s.first, s.second));
          }
        }
        state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(list.solves.size()));
      })
      ->Unit(benchmark::kMillisecond)
      ->MinTime(2.0);
  benchmark::RegisterBenchmark(
      "Batch/reference-scan",
      [](benchmark::State& state) {
        const BatchList list = MakeBatchList(kBatchLines);
        std::int64_t lines = 0;
        for (auto _ : state) {
          for (std::size_t i = 0; i < list.solves.size(); i += kReferenceSample) {
            const SolveInput& s = list.solves[i];
            benchmark::DoNotOptimize(SolveByScan(s.pair, s.mode, s.first, s.second));
            ++lines;
          }
        }
        state.SetItemsProcessed(lines);
      })
      ->Unit(benchmark::kMillisecond)
      ->Iterations(1)
      ->UseRealTime();
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

const char* Verdict(bool met) {
  return met ? "met" : "NOT MET";
}

void PrintSummary(const SummaryReporter& report) {
  std::printf("\nSummary (instruction set %s)\n", SetName(scan::BestInstructionSet()));
  std::printf("%-24s %10s %9s %8s %10s %9s %8s %11s %9s\n", "case", "scan ms", "fast us", "ratio",
              "no-match", "fast us", "ratio", "fresh 1st", "1st/scan");
  double log_solves = 0.0;
  double log_missed = 0.0;
  double worst_missed = 1e300;
  double worst_first = 0.0;
  int counted = 0;
  for (const Case& c : kCases) {
    const double reference = report.Seconds(Name("Reference", c, false));
    const double fast = report.Seconds(Name("Fast", c, false));
    const double missed_reference = report.Seconds(Name("Reference", c, true));
    const double missed_fast = report.Seconds(Name("Fast", c, true));
    const double first = report.Seconds(Name("FirstSolveFreshProcess", c, false));
    if (reference == 0 || fast == 0 || missed_reference == 0 || missed_fast == 0 || first == 0) {
      continue;
    }
    std::printf("%-24s %10.3f %9.2f %8.0f %10.3f %9.2f %8.0f %9.3fms %9.3f\n", c.name,
                reference * 1e3, fast * 1e6, reference / fast, missed_reference * 1e3,
                missed_fast * 1e6, missed_reference / missed_fast, first * 1e3, first / reference);
    log_solves += std::log(reference / fast);
    log_missed += std::log(missed_reference / missed_fast);
    worst_missed = std::min(worst_missed, missed_reference / missed_fast);
    worst_first = std::max(worst_first, first / reference);
    ++counted;
  }
  if (counted > 0) {
    const double solves = std::exp(log_solves / counted);
    const double missed = std::exp(log_missed / counted);
    std::printf("warm solve, geometric mean over %d cases: %.0f times the scan (target 300: %s)\n",
                counted, solves, Verdict(solves >= 300));
    std::printf("no match: geometric mean %.0f, lowest %.0f times the scan (target 100: %s)\n",
                missed, worst_missed, Verdict(worst_missed >= 100));
    std::printf("first solve of a fresh process: at most %.3f of a scan (target 0.2: %s)\n",
                worst_first, Verdict(worst_first <= 0.2));
  }
  const std::size_t kept = SharedRangeBounds().BytesKept();
  std::printf("memory kept between solves: %zu bytes (%.3f MB; target 8 MB: %s)\n", kept,
              kept / 1e6, Verdict(kept <= 8'000'000));
  const double one = report.Counter(BatchName(kBatchLines, 1), "items_per_second");
  const double long_one = report.Counter(BatchName(kLongBatchLines, 1), "items_per_second");
  const double long_two = report.Counter(BatchName(kLongBatchLines, 2), "items_per_second");
  const double plain = report.Counter("Batch/reference-scan", "items_per_second");
  if (one > 0 && plain > 0) {
    std::printf(
        "batch of %d lines: %.0f lines/s with -j 1; plain scan of the same lines (1 in %d "
        "timed) %.1f lines/s: %.0f times (target 150: %s)\n",
        kBatchLines, one, kReferenceSample, plain, one / plain, Verdict(one / plain >= 150));
  }
  const double alone = report.Counter("Batch/solves-alone", "items_per_second");
  if (one > 0 && alone > 0) {
    std::printf(
        "batch of %d lines with -j 1: %.0f lines/s; the same solves alone %.0f a second: a "
        "line costs %.2f times its solve\n",
        kBatchLines, one, alone, alone / one);
  }
  if (long_one > 0 && long_two > 0) {
    std::printf(
        "batch of %d lines: %.0f lines/s with -j 1, %.0f with -j 2: %.2f times (target 1.8: "
        "%s)\n",
        kLongBatchLines, long_one, long_two, long_two / long_one,
        Verdict(long_two / long_one >= 1.8));
  }
}

// The child of FirstSolveFreshProcess: one solve, timed alone, in seconds.
int FirstSolve(char** argv) {
  const auto pair = static_cast<InputPair>(std::atoi(argv[0]));
  const auto mode = static_cast<SolveMode>(std::atoi(argv[1]));
  const double first = std::strtod(argv[2], nullptr);
  const double second = std::strtod(argv[3], nullptr);
  const auto start = std::chrono::steady_clock::now();
  const SolveOutcome outcome = Solve(pair, mode, first, second);
  const auto stop = std::chrono::steady_clock::now();
  benchmark::DoNotOptimize(outcome);
  std::printf("%.9f\n", std::chrono::duration<double>(stop - start).count());
  return 0;
}

}  // namespace
}  // namespace segcalc::bench

int main(int argc, char** argv) {
  using namespace segcalc::bench;
  if (argc == 6 && std::strcmp(argv[1], "--first-solve") == 0) return FirstSolve(argv + 2);
  g_program = argv[0];
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RegisterSolves();
  RegisterBatch();
  RegisterBarPlans();
  SummaryReporter report;
  benchmark::RunSpecifiedBenchmarks(&report);
  PrintSummary(report);
  PrintBarPlanSummary(report);
  benchmark::Shutdown();
  return 0;
}

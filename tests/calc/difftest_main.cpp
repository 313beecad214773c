// The long differential run: many random inputs, each solved by the plain
// scan and by Solve, on all hardware threads. Exits 1 on the first difference.
//
//   solver_difftest [COUNT [SEED]]

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "solve_inputs.h"

namespace {

using namespace segcalc;
using namespace segcalc::testing_support;

constexpr InputPair kPairs[] = {InputPair::ArcAndChord, InputPair::ArcAndHeight,
                                InputPair::ChordAndHeight};
constexpr SolveMode kModes[] = {SolveMode::MinorArc, SolveMode::MajorArc};

// Inputs cycle through the six cases, realistic and hostile alternately.
SolveInput InputAt(std::uint64_t seed, std::uint64_t index) {
  const InputKind kind = index % 2 == 0 ? InputKind::Realistic : InputKind::Hostile;
  const std::uint64_t slot = (index / 2) % 6;
  return MakeSolveInput(seed, index, kind, kPairs[slot / 2], kModes[slot % 2]);
}

}  // namespace

int main(int argc, char** argv) {
  const std::uint64_t count = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1'000'000;
  const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
  const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
  std::atomic<std::uint64_t> next{0};
  std::atomic<std::uint64_t> done{0};
  std::atomic<std::uint64_t> differences{0};
  std::mutex print;
  const auto start = std::chrono::steady_clock::now();

  std::vector<std::thread> workers;
  for (unsigned t = 0; t < threads; ++t) {
    workers.emplace_back([&] {
      for (std::uint64_t i = next++; i < count && differences == 0; i = next++) {
        const SolveInput input = InputAt(seed, i);
        const SolveOutcome expected =
            SolveByScan(input.pair, input.mode, input.first, input.second);
        const SolveOutcome actual = Solve(input.pair, input.mode, input.first, input.second);
        const std::string difference = DescribeDifference(expected, actual);
        if (!difference.empty()) {
          ++differences;
          std::lock_guard lock(print);
          std::printf("DIFFERENCE at input %llu: %s: %s\n", static_cast<unsigned long long>(i),
                      Describe(input).c_str(), difference.c_str());
        }
        const std::uint64_t finished = ++done;
        if (finished % 10000 == 0) {
          const double seconds =
              std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
          std::lock_guard lock(print);
          std::printf("%llu inputs checked, %.0f s\n", static_cast<unsigned long long>(finished),
                      seconds);
          std::fflush(stdout);
        }
      }
    });
  }
  for (std::thread& worker : workers) worker.join();
  std::printf("checked %llu inputs (seed %llu), %llu differences\n",
              static_cast<unsigned long long>(done.load()), static_cast<unsigned long long>(seed),
              static_cast<unsigned long long>(differences.load()));
  return differences == 0 ? 0 : 1;
}

// Times the fast solve on a fixed list of inputs and prints the nanoseconds
// per solve with a digest of every answer. Built natively (build-bench) and
// for WebAssembly under node (build-web), so that `make bench` can set the
// page's engine beside the native program on the same inputs; equal digests
// say that both found the same answers.
//
//   solve_timing [seconds]

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numbers>
#include <vector>

#include "calc/segment_solver.h"

namespace {

using segcalc::InputPair;
using segcalc::SolveMode;

struct Input {
  InputPair pair;
  SolveMode mode;
  double first, second;
};

// Arches of radius 50 to 20,000 and 1 to 359 degrees given at two decimals,
// either mode, each pair in turn; and inputs that match nowhere, so that
// every pass is looked at. The engine's own output alone draws them: the two
// builds' standard libraries have different distributions.
std::vector<Input> Inputs() {
  std::vector<Input> inputs;
  std::uint64_t state = 20261209;
  const auto next = [&state] {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<double>(state >> 11) / 9007199254740992.0;
  };
  const auto two_places = [](double x) { return std::round(x * 100.0) / 100.0; };
  for (int i = 0; i < 600; ++i) {
    const double radius = 50.0 + next() * 19950.0;
    const double theta = (1.0 + next() * 358.0) * std::numbers::pi / 180.0;
    const SolveMode mode = theta < std::numbers::pi ? SolveMode::MinorArc : SolveMode::MajorArc;
    const double arc = two_places(radius * theta);
    const double chord = two_places(2.0 * radius * std::sin(theta / 2.0));
    const double height = two_places(radius * (1.0 - std::cos(theta / 2.0)));
    switch (i % 3) {
      case 0:
        inputs.push_back({InputPair::ArcAndChord, mode, arc, chord});
        break;
      case 1:
        inputs.push_back({InputPair::ArcAndHeight, mode, arc, height});
        break;
      default:
        inputs.push_back({InputPair::ChordAndHeight, mode, chord, height});
        break;
    }
  }
  for (const SolveMode mode : {SolveMode::MinorArc, SolveMode::MajorArc}) {
    inputs.push_back({InputPair::ArcAndChord, mode, 100, 200});
    inputs.push_back({InputPair::ArcAndHeight, mode, 1000, 400});
    inputs.push_back({InputPair::ChordAndHeight, mode, 1000, 1000});
  }
  return inputs;
}

std::uint64_t Digest(std::uint64_t digest, double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return (digest ^ bits) * 1099511628211ULL;
}

}  // namespace

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 2.0;
  const std::vector<Input> inputs = Inputs();
  std::uint64_t digest = 14695981039346656037ULL;
  // The first round builds the solver's tables and gives the digest.
  for (const Input& in : inputs) {
    const segcalc::SolveOutcome out = segcalc::Solve(in.pair, in.mode, in.first, in.second);
    digest =
        Digest(Digest(Digest(digest, out.result.angle), out.result.radius), out.result.missing);
  }
  using Clock = std::chrono::steady_clock;
  const Clock::time_point start = Clock::now();
  std::int64_t solves = 0;
  do {
    // Solve is in another library, built without link-time optimisation: the
    // compiler cannot drop a call whose answer is not used.
    for (const Input& in : inputs) segcalc::Solve(in.pair, in.mode, in.first, in.second);
    solves += static_cast<std::int64_t>(inputs.size());
  } while (std::chrono::duration<double>(Clock::now() - start).count() < seconds);
  const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf("ns_per_solve %.1f\ndigest %016llx\nsolves %lld\n", elapsed * 1e9 / solves,
              static_cast<unsigned long long>(digest), static_cast<long long>(solves));
  return 0;
}

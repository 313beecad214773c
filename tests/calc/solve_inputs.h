#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "calc/segment_solver.h"

namespace segcalc::testing_support {

struct SolveInput {
  InputPair pair = InputPair::ArcAndChord;
  SolveMode mode = SolveMode::MinorArc;
  double first = 0.0;
  double second = 0.0;
};

// Realistic: arches of radius 50 to 20,000 and 1 to 359 degrees, given at two
// decimals. Hostile: zeros, negatives, subnormals, huge values that fault on
// the first pass or part-way, and values built to match at one pass at every
// magnitude, including around 2^52 hundredths where the rounding changes form.
enum class InputKind { Realistic, Hostile };

// The same (seed, index) always gives the same input, whatever the thread.
SolveInput MakeSolveInput(std::uint64_t seed, std::uint64_t index, InputKind kind, InputPair pair,
                          SolveMode mode);

// Empty when both outcomes agree bit for bit in every field, else what differs.
std::string DescribeDifference(const SolveOutcome& expected, const SolveOutcome& actual);

std::string Describe(const SolveInput& input);

// The angles of every pass of a mode, accumulated as the scan does.
const std::vector<double>& ScanAngles(SolveMode mode);
double AngleAt(SolveMode mode, int pass);

}  // namespace segcalc::testing_support

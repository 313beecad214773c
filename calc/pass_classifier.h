#pragma once

// The match tests of many passes at once, in scan order, for the solves that
// no bound covers (measurements so large that a pass may fault); written
// without a branch per pass so that the compiler vectorizes it. Internal to
// calc/.

#include <cstddef>
#include <cstdint>

#include "calc/segment_solver.h"

namespace segcalc::scan {

// What a pass turned out to be, one byte per pass.
inline constexpr std::uint8_t kNoMatch = 0;
inline constexpr std::uint8_t kMatch = 1;
inline constexpr std::uint8_t kFault = 2;  // a checked result of the match test is not finite

// The instruction sets the classifier is compiled for; Baseline runs on any
// processor of the architecture.
enum class InstructionSet { Baseline, Avx2, Avx512 };

bool IsSupported(InstructionSet set);
InstructionSet BestInstructionSet();

struct ClassifyInput {
  InputPair pair = InputPair::ArcAndChord;
  SolveMode mode = SolveMode::MinorArc;
  // The pair's two columns (pair_rules.h), one value per pass.
  const double* first_column = nullptr;
  const double* second_column = nullptr;
  // The part of the radius that only depends on the measurements, already
  // known to be finite: arc * 360, or chord / 2 for ChordAndHeight.
  double radius_numerator = 0.0;
  // When whole_hundredths, the given value times 100 rounded to a whole
  // number of magnitude below 2^52, compared with the implied value times 100
  // rounded likewise; otherwise the given value rounded to two places.
  double target = 0.0;
  bool whole_hundredths = true;
};

// Writes kNoMatch, kMatch or kFault for each pass in [begin, end) to
// codes[0 .. end - begin).
void ClassifyPasses(InstructionSet set, const ClassifyInput& input, std::size_t begin,
                    std::size_t end, std::uint8_t* codes);

}  // namespace segcalc::scan

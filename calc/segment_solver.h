#pragma once

namespace segcalc {

// Which two of arc length L, chord length C and chord height H are given.
enum class InputPair { ArcAndChord, ArcAndHeight, ChordAndHeight };

// MinorArc scans up from 0.001 degrees, MajorArc down from 360, each with its
// own formulas; pi is 3.14 in both, so they disagree slightly.
enum class SolveMode { MinorArc, MajorArc };

struct SegmentResult {
  bool found = false;
  double angle = 0.0;    // degrees, rounded to two places
  double radius = 0.0;   // rounded to two places
  double missing = 0.0;  // H for ArcAndChord, C for ArcAndHeight, L for ChordAndHeight
};

struct SolveOutcome {
  // The last match in scan order; after an arithmetic error, the last match
  // before the faulting pass.
  SegmentResult result;
  bool arithmetic_error = false;
  int fault_pass = -1;  // index of the faulting pass, 0-based; -1 when none
};

inline constexpr int kScanPasses = 360'000;

// Solves with the given measurements in the order of the pair's name.
SolveOutcome Solve(InputPair pair, SolveMode mode, double first, double second);

// The plain scan, one pass per angle, written to be read against the rules;
// every faster solve must agree with it bit for bit.
SolveOutcome SolveByScan(InputPair pair, SolveMode mode, double first, double second);

}  // namespace segcalc

#pragma once

#include "calc/pass_classifier.h"
#include "calc/scan_ranges.h"
#include "calc/segment_solver.h"

namespace segcalc {

// The solve behind Solve: the same passes as SolveByScan, bit for bit in every
// field. Whole ranges of passes are ruled out by rigorous bounds of their
// implied values; the few that remain are searched from the end of the scan
// by the plain scan's own pass code, stopping at the last match. Where no
// rigorous bound exists (measurements so large that a pass may fault), the
// passes are classified in scan order by the classifier, on the given
// instruction set, which this processor must support.
SolveOutcome SolveWithRanges(RangeBounds& ranges, InputPair pair, SolveMode mode, double first,
                             double second, scan::InstructionSet set = scan::BestInstructionSet());

}  // namespace segcalc

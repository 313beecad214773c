#pragma once

#include "calc/pass_classifier.h"
#include "calc/scan_tables.h"
#include "calc/segment_solver.h"

namespace segcalc {

// The solve behind Solve: the same passes as SolveByScan, bit for bit in every
// field, with what depends only on the angle read from the tables and the rest
// classified for many passes at once. The record is computed once, for the
// last matching pass, by the plain scan's own pass code. The instruction set
// must be supported by this processor.
SolveOutcome SolveWithTables(ScanTables& tables, InputPair pair, SolveMode mode, double first,
                             double second, scan::InstructionSet set = scan::BestInstructionSet());

}  // namespace segcalc

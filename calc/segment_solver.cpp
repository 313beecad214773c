#include "calc/segment_solver.h"

#include "calc/fast_solver.h"
#include "calc/scan_pass.h"

namespace segcalc {

using scan::CheckedArithmetic;
using scan::Match;
using scan::Pass;

SolveOutcome SolveByScan(InputPair pair, SolveMode mode, double first, double second) {
  const bool minor = mode == SolveMode::MinorArc;
  // The angle is accumulated, never recomputed from the pass count: the
  // rounding error of 360,000 additions decides some results.
  const double step = minor ? 0.001 : -0.001;
  double a = minor ? 0.001 : 360.0;
  SolveOutcome outcome;
  CheckedArithmetic op;
  for (int pass = 0; minor ? !(a > 360.0) : !(a < 0.001); ++pass) {
    const Match match = Pass(op, pair, mode, a, first, second);
    a = op.Add(step, a);
    if (op.faulted()) {
      outcome.arithmetic_error = true;
      outcome.fault_pass = pass;
      return outcome;
    }
    if (match) outcome.result = *match;
  }
  return outcome;
}

SolveOutcome Solve(InputPair pair, SolveMode mode, double first, double second) {
  return SolveWithTables(SharedScanTables(), pair, mode, first, second);
}

}  // namespace segcalc

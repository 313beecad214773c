#include "calc/segment_solver.h"

#include "calc/fast_solver.h"
#include "calc/pair_rules.h"
#include "calc/scan_angles.h"

namespace segcalc {

SolveOutcome SolveByScan(InputPair pair, SolveMode mode, double first, double second) {
  SolveOutcome outcome;
  scan::CheckedArithmetic op;
  double a = scan::FirstAngle(mode);
  for (int pass = 0; scan::ScanContinues(mode, a); ++pass) {
    const scan::Match match = scan::Pass(op, pair, mode, a, first, second);
    a = scan::NextAngle(op, mode, a);
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
  return SolveWithRanges(SharedRangeBounds(), pair, mode, first, second);
}

}  // namespace segcalc

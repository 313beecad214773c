#pragma once

#include <string>

#include "calc/compute_request.h"

namespace segcalc {

// "弧长中填入的不是有效的数字,请核对后再试!": a box whose text is no number.
std::string NotANumberMessage(Quantity box);

// What the user is told for an outcome other than Solved: the warning of
// Incomplete and NoSolution, or a report naming the box and the fault for the
// two errors. Empty for Solved.
std::string OutcomeMessage(const ComputeOutcome& outcome);

}  // namespace segcalc

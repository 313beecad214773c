#pragma once

#include <string>

#include "calc/compute_request.h"

namespace segcalc {

// 弧长, 弦长 or 弦高: the label of a measurement box.
std::string BoxLabel(MeasurementBox box);

// What the user is told for an outcome other than Solved: the warning of
// Incomplete and NoSolution, or a report naming the box and the fault for the
// two errors. Empty for Solved.
std::string OutcomeMessage(const ComputeOutcome& outcome);

}  // namespace segcalc

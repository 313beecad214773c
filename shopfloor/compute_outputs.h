#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>

#include "calc/compute_request.h"
#include "calc/exact_geometry.h"
#include "shopfloor/html_report.h"
#include "shopfloor/utf8_path.h"

namespace segcalc {

// What the calculator was given for one compute, as typed.
struct TypedMeasurements {
  std::string arc;
  std::string chord;
  std::string height;
  bool minor = true;  // the check box 小于半圆
};

// The exact circle beside a compute: from the same two numbers, nearest the
// calculator's angle when it found one.
ExactChoice ExactBeside(const ComputeOutcome& outcome, bool minor);

// The calculator's five values as it holds them: the two given numbers as it
// read them, and what its scan found.
ExactSegment CalculatorValues(const SolveInput& solve);

// The report's part about the compute: what was typed and the check box, the
// calculator's five boxes and values, or why it has none.
void FillComputePart(ShopReport& report, const TypedMeasurements& typed,
                     const ComputeOutcome& outcome);

// The whole report of a compute, with the exact circle beside it and the
// ordinates at the default step.
ShopReport ComputeReport(const TypedMeasurements& typed, const ComputeOutcome& outcome,
                         LengthUnit unit, const NumberSeparators& separators);

// False when the file could not be opened or not all of it was written.
bool WriteFile(const std::filesystem::path& path, const std::function<void(std::ostream&)>& write);

}  // namespace segcalc

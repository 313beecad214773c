#include "shopfloor/compute_outputs.h"

#include <fstream>
#include <ostream>

#include "calc/ordinates.h"
#include "calc/outcome_message.h"

namespace segcalc {

ExactChoice ExactBeside(const ComputeOutcome& outcome, bool minor) {
  if (!outcome.solve) return {std::nullopt, "输入不完整或不是数字", false, {}};
  const SolveInput& solve = *outcome.solve;
  const std::optional<double> near =
      solve.result.found ? std::optional(solve.result.angle) : std::nullopt;
  return ChooseExact(SolveExact(solve.pair, solve.first, solve.second), minor, near);
}

ExactSegment CalculatorValues(const SolveInput& solve) {
  ExactSegment s;
  s.radius = solve.result.radius;
  s.angle = solve.result.angle;
  switch (solve.pair) {
    case InputPair::ArcAndChord:
      s.arc = solve.first, s.chord = solve.second, s.height = solve.result.missing;
      break;
    case InputPair::ArcAndHeight:
      s.arc = solve.first, s.height = solve.second, s.chord = solve.result.missing;
      break;
    case InputPair::ChordAndHeight:
      s.chord = solve.first, s.height = solve.second, s.arc = solve.result.missing;
      break;
  }
  return s;
}

void FillComputePart(ShopReport& report, const TypedMeasurements& typed,
                     const ComputeOutcome& outcome) {
  report.given = {{"弧长", typed.arc},
                  {"弦长", typed.chord},
                  {"弦高", typed.height},
                  {"小于半圆", typed.minor ? "勾选" : "不勾选"}};
  if (outcome.texts) {
    std::string boxes[3] = {typed.arc, typed.chord, typed.height};
    boxes[static_cast<int>(outcome.texts->missing_box)] = outcome.texts->missing;
    report.calculator_texts = {boxes[0], boxes[1], boxes[2], outcome.texts->radius,
                               outcome.texts->angle};
    report.calculator_values = CalculatorValues(*outcome.solve);
  }
  if (outcome.kind != OutcomeKind::Solved) report.calculator_note = OutcomeMessage(outcome);
}

ShopReport ComputeReport(const TypedMeasurements& typed, const ComputeOutcome& outcome,
                         LengthUnit unit, const NumberSeparators& separators) {
  ShopReport report;
  FillComputePart(report, typed, outcome);
  report.exact = ExactBeside(outcome, typed.minor);
  report.ordinate_step = 1;
  if (report.exact.segment) {
    report.ordinate_step = DefaultOrdinateStep(report.exact.segment->chord);
    report.ordinates = Ordinates(*report.exact.segment, report.ordinate_step);
  }
  report.unit = unit;
  report.separators = separators;
  return report;
}

bool WriteFile(const std::filesystem::path& path, const std::function<void(std::ostream&)>& write) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  write(file);
  file.close();
  return !file.fail();
}

}  // namespace segcalc

#include "geometry/compute_record.h"

#include <array>
#include <utility>
#include <vector>

#include "calc/outcome_message.h"
#include "calc/result_boxes.h"

namespace segcalc {
namespace {

// From the same two numbers the calculator read, nearest its angle when it
// found one.
ExactChoice ExactBeside(const ComputeOutcome& outcome, SolveMode mode) {
  if (!outcome.scan) return {std::nullopt, "输入不完整或不是数字", false, {}};
  const ScanAnswer& scan = *outcome.scan;
  const std::optional<double> near =
      scan.result.found ? std::optional(scan.result.angle) : std::nullopt;
  return ChooseExact(
      SolveExact(outcome.given->first, scan.first, outcome.given->second, scan.second), mode, near);
}

// With a radius or an angle exactly two of the five must be given; all are
// read strictly, as the calculator reads a chord with its height.
void SolveTypedQuantities(ComputeRecord& record, const NumberSeparators& separators) {
  std::vector<std::pair<Quantity, double>> given;
  for (const Quantity quantity : kQuantities) {
    const std::string& text = record.typed.text(quantity);
    if (text.empty()) continue;
    const NumberReading reading = StrictNumber(text, separators);
    if (!reading.ok()) {
      record.input_error = NotANumberMessage(quantity);
      return;
    }
    given.emplace_back(quantity, reading.value);
  }
  if (given.size() != 2) {
    record.input_error = "给定半径或夹角时,弧长,弦长,弦高,半径,夹角中应恰好给出两项";
    return;
  }
  record.exact =
      ChooseExact(SolveExact(given[0].first, given[0].second, given[1].first, given[1].second),
                  record.typed.mode);
}

}  // namespace

std::string_view CheckBoxWord(SolveMode mode) {
  return mode == SolveMode::MinorArc ? "勾选" : "不勾选";
}

std::string_view ComputeRecord::BoxText(Quantity quantity) const {
  const std::string& typed_text = typed.text(quantity);
  return calculator ? BoxAfter(*calculator, quantity, typed_text) : typed_text;
}

std::optional<ExactSegment> ComputeRecord::CalculatorValues() const {
  if (!calculator || !calculator->texts) return std::nullopt;
  const GivenPair& given = *calculator->given;
  const ScanAnswer& scan = *calculator->scan;
  ExactSegment values;
  SetValue(values, given.first, scan.first);
  SetValue(values, given.second, scan.second);
  SetValue(values, given.missing, scan.result.missing);
  values.radius = scan.result.radius;
  values.angle = scan.result.angle;
  return values;
}

ComputeRecord RecordCompute(TypedInput typed, const NumberSeparators& separators,
                            ExactCircle exact) {
  ComputeRecord record;
  record.typed = std::move(typed);
  record.exact.reason = "未求精确解";
  if (record.typed.GivesRadiusOrAngle()) {
    SolveTypedQuantities(record, separators);
    return record;
  }
  const TypedInput& t = record.typed;
  record.calculator =
      Compute({t.text(Quantity::Arc), t.text(Quantity::Chord), t.text(Quantity::Height)}, t.mode,
              separators);
  if (exact == ExactCircle::Solve) record.exact = ExactBeside(*record.calculator, t.mode);
  return record;
}

}  // namespace segcalc

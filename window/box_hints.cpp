#include "window/box_hints.h"

#include "calc/outcome_message.h"
#include "geometry/exact_gap.h"

namespace segcalc {

BoxHint HintOf(const MainForm& form, Quantity box) {
  if (!form.last_compute) return {};
  const ComputeRecord& record = *form.last_compute;
  const std::optional<ExactSegment> calculator = record.CalculatorValues();
  if (!calculator || !record.exact.segment) return {};
  const ComputeOutcome& outcome = *record.calculator;
  if (box != Quantity::Radius && box != Quantity::Angle && box != outcome.given->missing) {
    return {};
  }
  const double mine = ValueOf(*calculator, box);
  const double exact = ValueOf(*record.exact.segment, box);
  const OutputFormat format = form.output_format();
  BoxHint hint;
  hint.tooltip = "精确值(真 π): " + format.Value(box, exact);
  hint.warning = FarFromExact(box, mine, exact);
  if (hint.warning) {
    hint.tooltip +=
        "\n计算器(π 取 3.14)的结果与之相差 " + format.Value(box, mine - exact) + ",请以精确值为准";
  }
  return hint;
}

std::string ExactResultsText(const ComputeRecord& record, const OutputFormat& format) {
  const std::optional<ExactSegment> calculator = record.CalculatorValues();
  const ExactSegment& exact = *record.exact.segment;
  std::string text = "精确(真 π)与计算器(π 取 3.14)的结果:\n";
  for (const Quantity quantity : kQuantities) {
    text += std::string(QuantityLabel(quantity)) + ": 精确 " +
            format.Value(quantity, ValueOf(exact, quantity));
    if (calculator) {
      const double mine = ValueOf(*calculator, quantity);
      text += ",计算器 " + std::string(record.BoxText(quantity)) + ",差 " +
              format.Value(quantity, ValueOf(exact, quantity) - mine);
    }
    text += '\n';
  }
  if (record.calculator && record.calculator->kind != OutcomeKind::Solved) {
    text += "计算器: " + OutcomeMessage(*record.calculator) + '\n';
  }
  if (record.exact.had_two) {
    text +=
        "这两个量还确定另一个圆弧(未采用),夹角 " + format.Angle(record.exact.other.angle) + '\n';
  }
  text.pop_back();
  return text;
}

}  // namespace segcalc

#include "window/box_hints.h"

#include "calc/outcome_message.h"
#include "geometry/exact_gap.h"

namespace segcalc {

BoxHint HintOf(const MainForm& form, Quantity box) {
  if (!form.last_compute) return {};
  const ComputeRecord& record = *form.last_compute;
  const std::optional<ExactSegment> calculator = record.CalculatorValues();
  if (!calculator) return {};
  const ComputeOutcome& outcome = *record.calculator;
  if (box != Quantity::Radius && box != Quantity::Angle && box != outcome.given->missing) {
    return {};
  }
  // The rule's digits stay, since they are what users compare; but no arc
  // has them, and a box in the plain colour would pass them off as one.
  if (!record.exact.segment) {
    return {
        NoSuchArcText(record.exact) + "\n框中的数是计算器(π 取 3.14)按规则得出的,不是圆弧的尺寸",
        true};
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

std::string NoSuchArcText(const ExactChoice& exact) {
  return "没有这样的圆弧: " + exact.reason;
}

std::string_view ScanMissedReason() {
  return "计算器的规则把 π 取作 3.14,夹角每步 0.001° 扫描,算出的值取两位小数与所填的数比较;"
         "这组尺寸下相邻两步的值一步就跨过了所填的数,所以没有一步恰好相等,但这样的圆弧是存在的。";
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

#include "calc/outcome_message.h"

namespace segcalc {

std::string NotANumberMessage(Quantity box) {
  return std::string(QuantityLabel(box)) + "中填入的不是有效的数字,请核对后再试!";
}

std::string OutcomeMessage(const ComputeOutcome& outcome) {
  switch (outcome.kind) {
    case OutcomeKind::Solved:
      return {};
    case OutcomeKind::Incomplete:
      return std::string(kIncompleteWarning);
    case OutcomeKind::NoSolution:
      return std::string(kNoSolutionWarning);
    case OutcomeKind::ConversionError:
      if (outcome.conversion == ConversionStatus::Overflow) {
        return std::string(QuantityLabel(outcome.failed_box)) +
               "的数值超出了可以计算的范围,请核对后再试!";
      }
      return NotANumberMessage(outcome.failed_box);
    case OutcomeKind::ArithmeticError:
      if (outcome.texts) {
        return "计算中途数值溢出,未能算完;已填入溢出前找到的最后一组结果,请核对后再试!";
      }
      return "计算中数值溢出,无法求解!请核对后再试!";
  }
  return {};
}

}  // namespace segcalc

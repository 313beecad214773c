#pragma once

#include <string>

#include "geometry/compute_record.h"
#include "window/main_form.h"

namespace segcalc {

// What a box shows beside its text after the last compute: the exact value
// in a tooltip, and whether its text is drawn in the warning colour because
// the calculator's value is far from the exact one. Only the boxes the
// compute wrote (the radius, the angle and the missing measurement) carry
// one; the digits in the boxes stay the calculator's.
struct BoxHint {
  std::string tooltip;
  bool warning = false;
};

BoxHint HintOf(const MainForm& form, Quantity box);

// 精确结果: the exact five values beside the calculator's, and their
// differences, one line each.
std::string ExactResultsText(const ComputeRecord& record, const OutputFormat& format);

}  // namespace segcalc

#pragma once

#include <string>
#include <string_view>

#include "geometry/compute_record.h"
#include "window/main_form.h"

namespace segcalc {

// What a box shows beside its text after the last compute: the exact value
// in a tooltip, and whether its text is drawn in the warning colour because
// the calculator's value is far from the exact one. Where no circle has the
// two numbers the calculator used, the tooltip says so instead and the
// colour warns: the calculator's rule still wrote digits. Only the boxes the
// compute wrote (the radius, the angle and the missing measurement) carry
// one; the digits in the boxes stay the calculator's.
struct BoxHint {
  std::string tooltip;
  bool warning = false;
};

BoxHint HintOf(const MainForm& form, Quantity box);

// "没有这样的圆弧: " and why, for a compute whose two numbers fit no circle.
std::string NoSuchArcText(const ExactChoice& exact);

// Why the calculator's rule can find no match where the exact circle exists.
std::string_view ScanMissedReason();

// 精确结果: the exact five values beside the calculator's, and their
// differences, one line each.
std::string ExactResultsText(const ComputeRecord& record, const OutputFormat& format);

}  // namespace segcalc

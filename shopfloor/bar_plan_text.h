#pragma once

#include <iosfwd>

#include "calc/number_text.h"
#include "geometry/barplan/bar_plan.h"

namespace segcalc {

// The plan as `label<TAB>value` lines: each way of cutting once,
//   方案<TAB>i<TAB>原料长度<TAB>根数<TAB>pieces in cut order with marks<TAB>余料
// then 新料根数 (one line per stock length: length<TAB>bars), 库存料根数 likewise
// when the rack gave bars, 新料总长, 用料总长, 成品总长, 利用率, 余料, 废料,
// 下界 and 最优.
void WriteBarPlanText(std::ostream& out, const barplan::BarPlan& plan,
                      const NumberSeparators& separators);

// The same for a spreadsheet: UTF-8 with a byte-order mark, a header row and
// one row per way of cutting, then the totals as label,value rows. The
// fields are separated by commas, or by semicolons where the comma is the
// decimal separator, and quoted where they hold one.
void WriteBarPlanCsv(std::ostream& out, const barplan::BarPlan& plan,
                     const NumberSeparators& separators);

}  // namespace segcalc

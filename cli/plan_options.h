#pragma once

#include <vector>

#include "calc/number_text.h"
#include "cli/shop_option_table.h"
#include "geometry/barplan/plan_request.h"
#include "geometry/checked.h"
#include "shopfloor/cutting_sheet.h"

namespace segcalc {

// The plan's stock and saw rules from the shop options (--bar, --kerf,
// --bar-ends, --min-offcut; the rack, --stock, is read from its file by the
// caller), on the grid of 0.01 mm in the unit; the pieces come from the
// list. A value that cannot be read is refused under the option's name;
// whether the pieces fit is the plan's to say.
Checked<barplan::PlanRequest> ReadPlanOptions(const ShopOptions& shop,
                                              const NumberSeparators& separators,
                                              OptionVoice voice = OptionVoice::Cli);

// The pieces of a cutting sheet: each line with a length at the saw, that
// many times its quantity, marked with its 编号 or else its line number.
std::vector<barplan::PieceLine> PiecesOf(const CuttingSheet& sheet);

}  // namespace segcalc

#pragma once

#include <iosfwd>
#include <vector>

#include "calc/number_text.h"
#include "cli/shop_option_table.h"
#include "geometry/barplan/plan_request.h"
#include "geometry/checked.h"
#include "shopfloor/cutting_sheet.h"
#include "shopfloor/output_format.h"

namespace segcalc {

// The plan's stock and saw rules from the shop options (--bar, --stock,
// --kerf, --bar-ends, --min-offcut), on the grid of 0.01 mm in the unit; the
// pieces come from the list. A value that cannot be read is refused under the
// option's name; whether the pieces fit is the plan's to say.
Checked<barplan::PlanRequest> ReadPlanOptions(const ShopOptions& shop,
                                              const NumberSeparators& separators,
                                              OptionVoice voice = OptionVoice::Cli);

// The pieces of a cutting sheet: each line with a length at the saw, that
// many times its quantity, marked with its 编号 or else its line number.
std::vector<barplan::PieceLine> PiecesOf(const CuttingSheet& sheet);

// Plans the pieces and writes the plan (--plan: a file, "-" for standard
// output). Returns the exit status: 0, 1 (no plan: the reason says why), 2
// (a value or the stock file unusable) or 3 (not written).
int WritePlan(const ShopOptions& shop, std::vector<barplan::PieceLine> pieces,
              const OutputFormat& format, std::ostream& out, std::ostream& err);

// segcalc-cli --plan-from FILE --plan ...: the pieces from a plain list.
int PlanFromList(const ShopOptions& shop, const OutputFormat& format, std::ostream& out,
                 std::ostream& err);

}  // namespace segcalc

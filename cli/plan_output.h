#pragma once

#include <iosfwd>
#include <vector>

#include "cli/plan_options.h"
#include "shopfloor/output_format.h"

namespace segcalc {

// Plans the pieces and writes the plan (--plan: a file, "-" for standard
// output). Returns the exit status: 0, 1 (no plan: the reason says why), 2
// (a value or the stock file unusable) or 3 (not written).
int WritePlan(const ShopOptions& shop, std::vector<barplan::PieceLine> pieces,
              const OutputFormat& format, std::ostream& out, std::ostream& err);

// segcalc-cli --plan-from FILE --plan ...: the pieces from a plain list.
int PlanFromList(const ShopOptions& shop, const OutputFormat& format, std::ostream& out,
                 std::ostream& err);

}  // namespace segcalc

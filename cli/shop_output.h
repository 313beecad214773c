#pragma once

#include <iosfwd>

#include "calc/compute_request.h"
#include "cli/batch.h"
#include "cli/cli_options.h"

namespace segcalc {

// The shop-floor outputs of a single compute, after the calculator's five
// lines; outcome is null when a radius or an angle is given and the
// calculator did not run. Returns the exit status these outputs call for: 0,
// 1 (no exact solution), 2 (unusable values) or 3 (a file not written).
int WriteShopOutputs(const CliOptions& options, const ComputeOutcome* outcome, std::ostream& out,
                     std::ostream& err, const NumberSeparators& separators);

// What the shop options add to each batch line; empty when they add nothing.
BatchLineHook ShopBatchHook(const ShopOptions& shop, const NumberSeparators& separators);

}  // namespace segcalc

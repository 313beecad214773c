#pragma once

#include <iosfwd>

#include "cli/batch.h"
#include "cli/cli_options.h"
#include "geometry/arc_part.h"
#include "geometry/compute_record.h"

namespace segcalc {

// Whether the shop options of a single compute need the exact circle.
ExactCircle SingleExactCircle(const ShopOptions& shop);

// The shop-floor outputs of a single compute, after the calculator's five
// lines. Returns the exit status these outputs call for: 0, 1 (no exact
// solution), 2 (unusable values) or 3 (a file not written).
int WriteShopOutputs(const CliOptions& options, const ComputeRecord& record, std::ostream& out,
                     std::ostream& err, const NumberSeparators& separators);

// What the shop options add to each batch line; the request as
// ReadPartRequest read it from them.
BatchColumns ShopBatchColumns(const ShopOptions& shop, const PartRequest& request,
                              const NumberSeparators& separators);

}  // namespace segcalc

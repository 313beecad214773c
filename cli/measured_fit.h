#pragma once

#include <iosfwd>
#include <string>

#include "cli/shop_options.h"
#include "shopfloor/output_format.h"

namespace segcalc {

// --fit FILE [--target R]: the circle through the measured points of a bent
// piece, as 'label<TAB>value' lines. Returns the exit status: 0, 1 when the
// points fix no circle (too few, on one line, ...), 2 when the file cannot be
// read or the target is no number.
int WriteMeasuredFit(const ShopOptions& shop, const OutputFormat& format, std::ostream& out,
                     std::ostream& err);

}  // namespace segcalc

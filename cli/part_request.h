#pragma once

#include "calc/number_text.h"
#include "cli/shop_options.h"
#include "geometry/arc_part.h"
#include "geometry/checked.h"

namespace segcalc {

// The shop options read into what the geometry is asked to work out. Single
// numbers are read like the chord and height, in the user's locale; lists
// (--tails, --stations) with the full stop. A value that cannot be read is a
// usage error, refused here; whether the values fit the arc is the
// geometry's to say.
Checked<PartRequest> ReadPartRequest(const ShopOptions& shop, const NumberSeparators& separators);

}  // namespace segcalc

#pragma once

#include <string_view>

#include "geometry/checked.h"
#include "geometry/stations.h"

namespace segcalc {

// The station option as typed: "from-end:250", "from-middle:250", "divide:8"
// or "list:300,450.5,450.5", or by the page's words: 从左端按间距, 从中点按间距,
// 弦长等分, 间距表. Numbers take the full stop as decimal point in any locale;
// commas separate the spacings. The name is read regardless of case, and a
// full-width colon is taken for the colon.
Checked<StationPlan> ReadStationPlan(std::string_view text);

}  // namespace segcalc

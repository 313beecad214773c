#pragma once

#include "calc/number_text.h"

namespace segcalc {

// The separators of the browser's language (or of the job the window wrote),
// which setSeparators sets and every number the page reads or writes uses.
const NumberSeparators& PageSeparators();

}  // namespace segcalc

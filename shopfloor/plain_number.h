#pragma once

#include <string>

namespace segcalc {

// A coordinate for a drawing file: full stop, no exponent, at most `decimals`
// places with trailing zeros trimmed, whatever the user's locale. Drawings
// are read by programs, not people, so the user's separators have no place
// here.
std::string PlainNumber(double value, int decimals = 6);

}  // namespace segcalc

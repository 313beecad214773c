#pragma once

#include <string>

namespace segcalc {

// A coordinate for a drawing file: full stop, no exponent, at most `decimals`
// places with trailing zeros trimmed, whatever the user's locale. Drawings
// are read by programs, not people, so the user's separators have no place
// here.
std::string PlainNumber(double value, int decimals);

// The same with as many places as it takes to read back the very same double:
// on a flat arc of a kilometre's radius a millionth of a degree is a
// hundredth of a millimetre.
std::string PlainNumber(double value);

}  // namespace segcalc

#pragma once

#include <optional>
#include <string_view>

namespace segcalc {

// The unit the user typed the measurements in; drawings and full-size pages
// are made in millimetres from it.
enum class LengthUnit { Millimetre, Centimetre, Metre, Inch };

// "mm", "cm", "m" or "in".
std::optional<LengthUnit> ParseLengthUnit(std::string_view text);
std::string_view UnitSymbol(LengthUnit unit);
double MillimetresPer(LengthUnit unit);

}  // namespace segcalc

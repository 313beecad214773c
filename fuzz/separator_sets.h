#pragma once

#include <array>

#include "calc/number_text.h"

namespace segcalc::fuzz {

// Locales as the platform reports them: the full stop or the comma as decimal
// point, grouped by a comma, a full stop, a multi-byte space or nothing.
inline const std::array<NumberSeparators, 5> kSeparatorSets = {{
    {".", ","},
    {",", "."},
    {",", "\u202f"},
    {".", "'"},
    {".", ""},
}};

}  // namespace segcalc::fuzz

#pragma once

#include <iosfwd>
#include <string_view>
#include <vector>

#include "calc/number_text.h"

namespace segcalc {

// The whole of segcalc-cli behind main(): returns the exit status.
int RunCli(const std::vector<std::string_view>& args, std::istream& in, std::ostream& out,
           std::ostream& err, const NumberSeparators& separators);

}  // namespace segcalc

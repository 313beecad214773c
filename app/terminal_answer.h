#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace segcalc {

// The window program answers --help and --version on the terminal and exits
// without opening the window, so they work where no display is. Any other
// argument is left to the toolkit. `args` excludes the program name.
std::optional<std::string> TerminalAnswer(const std::vector<std::string_view>& args);

}  // namespace segcalc

#pragma once

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "calc/number_text.h"
#include "cli/cli_app.h"

namespace segcalc {

// One run of segcalc-cli in this process, with its streams as strings.
struct CliRun {
  int status;
  std::string out;
  std::string err;
};

inline CliRun Invoke(const std::vector<std::string_view>& args, const std::string& input = "",
                     const NumberSeparators& separators = {".", ","}) {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = RunCli(args, in, out, err, separators);
  return {status, out.str(), err.str()};
}

}  // namespace segcalc

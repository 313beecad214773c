#include <csignal>
#include <iostream>
#include <string_view>
#include <vector>

#include "cli/cli_app.h"
#include "platform/user_separators.h"

int main(int argc, char** argv) {
  // A reader that goes away turns into a failed write, which RunCli reports,
  // instead of a silent death by signal.
  std::signal(SIGPIPE, SIG_IGN);
  std::ios::sync_with_stdio(false);
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  return segcalc::RunCli(args, std::cin, std::cout, std::cerr, segcalc::UserSeparators());
}

#include <iostream>
#include <string_view>
#include <vector>

#include "cli/cli_app.h"
#include "platform/user_separators.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  return segcalc::RunCli(args, std::cin, std::cout, std::cerr, segcalc::UserSeparators());
}

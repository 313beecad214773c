#include <csignal>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_app.h"
#include "platform/user_separators.h"

#ifdef _WIN32

#include "cli/windows_console.h"

int wmain(int argc, wchar_t** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> utf8 = segcalc::Utf8Arguments(argc, argv);
  const std::vector<std::string_view> args(utf8.begin() + (utf8.empty() ? 0 : 1), utf8.end());
  segcalc::StandardStreams streams;
  return segcalc::RunCli(args, streams.in(), streams.out(), streams.err(),
                         segcalc::UserSeparators());
}

#else

int main(int argc, char** argv) {
  // A reader that goes away turns into a failed write, which RunCli reports,
  // instead of a silent death by signal.
  std::signal(SIGPIPE, SIG_IGN);
  std::ios::sync_with_stdio(false);
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  return segcalc::RunCli(args, std::cin, std::cout, std::cerr, segcalc::UserSeparators());
}

#endif

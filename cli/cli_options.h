#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/segment_solver.h"
#include "cli/shop_option_table.h"

namespace segcalc {

struct CliOptions {
  enum class Action { Compute, Batch, Help, Version };
  Action action = Action::Compute;
  SolveMode mode = SolveMode::MinorArc;  // --major clears the check box 小于半圆
  std::string arc;
  std::string chord;
  std::string height;
  std::optional<std::string> batch_file;  // standard input when absent
  std::optional<unsigned> jobs;           // batch worker threads; the hardware's when absent
  ShopOptions shop;
};

inline constexpr unsigned kMaxJobs = 256;

struct ParsedOptions {
  std::optional<CliOptions> options;
  std::string error;  // why the command line was refused, when options is empty
};

// Options may be written '--arc TEXT' or '--arc=TEXT', and -j also '-j2';
// each may appear once.
ParsedOptions ParseCliOptions(const std::vector<std::string_view>& args);

extern const char* const kUsageText;

}  // namespace segcalc

// What the shop options are handed by a slip of the keyboard or a file of
// something else: each gets a reason, quickly and in little memory, from the
// real binary.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "tests/support/child_process.h"

namespace segcalc {
namespace {

using testing::ChildRun;
using testing::RunChild;
using testing::ScratchFolder;

ChildRun RunCliWith(std::vector<std::string> args) {
  return RunChild({.program = SEGCALC_CLI_PATH,
                   .args = std::move(args),
                   .extra_environment = {"LC_ALL=C.UTF-8"}});
}

TEST(HostilePart, HugeOrNonsenseValuesGetAReason) {
  const std::vector<std::vector<std::string>> cases = {
      {"--pieces", "1000000000"},
      {"--max-deviation", "1e-300"},
      {"--max-panel", "1e-300"},
      {"--pieces", "NaN"},
      {"--profile", "1e308", "--face", "outer"},
      {"--profile", "inf", "--face", "outer"},
      {"--stations", "divide:1000000000"},
      {"--stations", "from-end:1e-300"},
      {"--stations", "list:" + std::string(100'000, ',')},
      {"--tails", "1e308,1e308", "--profile", "10", "--face", "inner"},
  };
  const ChildRun baseline = RunCliWith({"--chord", "1000", "--height", "100", "--exact"});
  for (const auto& options : cases) {
    std::vector<std::string> args = {"--chord", "1000", "--height", "100"};
    args.insert(args.end(), options.begin(), options.end());
    const ChildRun run = RunCliWith(args);
    ASSERT_TRUE(run.exited) << options.front() << ": signal " << run.signal;
    EXPECT_NE(run.status, 0) << options.front() << " " << options.back();
    EXPECT_TRUE(run.err.starts_with("segcalc-cli: ")) << run.err;
    EXPECT_LT(run.max_rss_kib - baseline.max_rss_kib, 64 * 1024) << options.front();
  }
}

// A million measured points: more than a fit takes, refused without reading
// them all into memory; a file of a gigabyte's worth of one line the same.
TEST(HostilePart, AMillionPointsAreRefused) {
  ScratchFolder scratch;
  const std::string million = scratch.File("million.txt");
  {
    std::ofstream file(million, std::ios::binary);
    for (int i = 0; i < 1'000'000; ++i) file << i << "\t" << (i % 7) << "\n";
  }
  const std::string long_line = scratch.File("long.txt");
  {
    std::ofstream file(long_line, std::ios::binary);
    const std::string block(1 << 20, '7');
    for (int i = 0; i < 64; ++i) file << block;
  }
  const ChildRun baseline = RunCliWith({"--version"});
  for (const std::string& file : {million, long_line}) {
    const ChildRun run = RunCliWith({"--fit", file});
    ASSERT_TRUE(run.exited) << file;
    EXPECT_EQ(run.status, 1) << file << ": " << run.err;
    EXPECT_TRUE(run.err.starts_with("segcalc-cli: ")) << run.err;
    EXPECT_LT(run.max_rss_kib - baseline.max_rss_kib, 128 * 1024) << file;
  }
}

}  // namespace
}  // namespace segcalc

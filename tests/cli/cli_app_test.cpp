#include "cli/cli_app.h"

#include <gtest/gtest.h>

#include <sstream>

namespace segcalc {
namespace {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

CliRun Invoke(const std::vector<std::string_view>& args, const std::string& input = "",
           const NumberSeparators& separators = {".", ","}) {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = RunCli(args, in, out, err, separators);
  return {status, out.str(), err.str()};
}

TEST(RunCli, SolvedPrintsTheFiveBoxes) {
  const CliRun run = Invoke({"--arc", "2491.78", "--chord", "2067.63"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "弧长\t2491.78\n弦长\t2067.63\n弦高\t591.83\n半径\t1200\n夹角\t119.03\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(Invoke({"--major", "--chord", "10", "--height", "0.01"}).status, 1);
  EXPECT_EQ(Invoke({"--chord", "10", "--height", "0.01"}).out,
            "弧长\t10\n弦长\t10\n弦高\t0.01\n半径\t834.43\n夹角\t0.69\n");
}

TEST(RunCli, WarningsAndErrorsGoToStandardErrorWithStatusOne) {
  const struct {
    std::vector<std::string_view> args;
    const char* message;
  } cases[] = {{{}, "当前输入项不完整,请填写完整后再试!\n"},
               {{"--arc", "100", "--chord", "200"}, "按当前条件无法求解!请核对后再试!\n"},
               {{"--chord", "1", "--height", "x"}, "弦高中填入的不是有效的数字,请核对后再试!\n"},
               {{"--arc", "1e999", "--chord", "1"}, "弧长的数值超出了可以计算的范围,请核对后再试!\n"},
               {{"--arc", "1e308", "--chord", "1"}, "计算中数值溢出,无法求解!请核对后再试!\n"}};
  for (const auto& c : cases) {
    const CliRun run = Invoke(c.args);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, c.message);
  }
  const CliRun carried = Invoke({"--major", "--arc", "1e305", "--chord", "0"});
  EXPECT_EQ(carried.status, 1);
  EXPECT_NE(carried.out.find("夹角\t360\n"), std::string::npos);
  EXPECT_NE(carried.err.find("溢出"), std::string::npos);
}

TEST(RunCli, UsageHelpVersion) {
  const CliRun bad = Invoke({"--frobnicate"});
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("用法"), std::string::npos);
  const CliRun help = Invoke({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--batch"), std::string::npos);
  const CliRun version = Invoke({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "segcalc-cli 1.00\n");
  EXPECT_EQ(Invoke({"--batch", "/nonexistent/list.tsv"}).status, 2);
}

TEST(RunCli, BatchReadsStandardInput) {
  const CliRun run = Invoke({"--batch"}, "2491.78\t2067.63\t\nbad\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "solved\t2491.78\t2067.63\t591.83\t1200\t119.03\ninvalid-line\t\t\t\t\t\n");
}

TEST(RunCli, CommaLocaleWritesAndReadsCommas) {
  const CliRun run = Invoke({"--arc", "2491,78", "--chord", "2067,63"}, "", {",", "."});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "弧长\t2491,78\n弦长\t2067,63\n弦高\t591,83\n半径\t1200\n夹角\t119,03\n");
}

TEST(RunCli, BatchWithJobsKeepsOrderAndABadCountIsAUsageError) {
  const std::string input = "2491.78\t2067.63\t\n1000\t\t340\t0\nbad\n100\t200\t\n";
  const CliRun parallel = Invoke({"--batch", "-j", "2"}, input);
  EXPECT_EQ(parallel.status, 1);
  EXPECT_EQ(parallel.out,
            "solved\t2491.78\t2067.63\t591.83\t1200\t119.03\n"
            "solved\t1000\t547.72\t340\t280.29\t204.52\n"
            "invalid-line\t\t\t\t\t\n"
            "no-solution\t100\t200\t\t\t\n");
  EXPECT_NE(parallel.err.find("第 3 行"), std::string::npos);

  const CliRun refused = Invoke({"--batch", "-j", "0"}, input);
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.out, "");
  EXPECT_NE(refused.err.find("-j"), std::string::npos);
}

}  // namespace
}  // namespace segcalc

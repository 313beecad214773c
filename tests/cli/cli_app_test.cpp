#include "cli/cli_app.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/cli/in_process_cli.h"

namespace segcalc {
namespace {

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
  } cases[] = {
      {{"--major"}, "segcalc-cli: 当前输入项不完整,请填写完整后再试!\n"},
      {{"--arc", "100", "--chord", "200"}, "segcalc-cli: 按当前条件无法求解!请核对后再试!\n"},
      {{"--chord", "1", "--height", "x"},
       "segcalc-cli: 弦高中填入的不是有效的数字,请核对后再试!\n"},
      {{"--arc", "2067,63", "--chord", "1"},
       "segcalc-cli: 弧长中填入的不是有效的数字,请核对后再试!\n"},
      {{"--arc", "1e999", "--chord", "1"},
       "segcalc-cli: 弧长的数值超出了可以计算的范围,请核对后再试!\n"},
      {{"--arc", "1e308", "--chord", "1"}, "segcalc-cli: 计算中数值溢出,无法求解!请核对后再试!\n"}};
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
  const CliRun nothing = Invoke({});
  EXPECT_EQ(nothing.status, 2);
  EXPECT_EQ(nothing.out, "");
  EXPECT_NE(nothing.err.find("用法"), std::string::npos);
}

TEST(RunCli, AllThreeGivenSaysTheHeightWasComputed) {
  const CliRun run = Invoke({"--arc", "2491.78", "--chord", "2067.63", "--height", "500"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("弦高\t591.83\n"), std::string::npos);
  EXPECT_EQ(run.err, "segcalc-cli: 弦高由弧长和弦长算出,给出的弦高未被使用\n");
  EXPECT_EQ(Invoke({"--arc", "100", "--chord", "200", "--height", "1"}).status, 1);
}

// Each file that cannot be read says why, and none passes for an empty list.
TEST(RunCli, UnreadableBatchFilesSayWhy) {
  const std::string folder = testing::TempDir() + "segcalc_batch_folder";
  std::filesystem::create_directories(folder);
  const std::string locked = testing::TempDir() + "segcalc_locked.tsv";
  // On Windows no permissions means read-only, which also refuses removal:
  // they are given back before the file goes, here and after an earlier run.
  const auto unlock_and_remove = [&locked] {
    std::error_code ignored;
    std::filesystem::permissions(locked, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove(locked, ignored);
  };
  unlock_and_remove();
  std::ofstream(locked) << "1\t1\t\n";
  std::filesystem::permissions(locked, std::filesystem::perms::none);
  // Root reads whatever the permissions say, and Windows has no such permission.
  const bool reads_anyway = std::ifstream(locked).good();
  const struct {
    std::string file;
    const char* reason;
  } cases[] = {{"/nonexistent/list.tsv", "文件不存在"},
               {folder, "文件夹"},
               {locked, reads_anyway ? nullptr : "没有读取权限"}};
  for (const auto& c : cases) {
    if (c.reason == nullptr) continue;
    const CliRun run = Invoke({"--batch", c.file});
    EXPECT_EQ(run.status, 2) << c.file;
    EXPECT_EQ(run.out, "") << c.file;
    EXPECT_EQ(run.err.rfind("segcalc-cli: 无法读取文件 " + c.file, 0), 0u) << run.err;
    EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
  }
  unlock_and_remove();
  EXPECT_FALSE(std::filesystem::exists(locked));
}

TEST(RunCli, BatchReadsStandardInput) {
  const CliRun run = Invoke({"--batch"}, "2491.78\t2067.63\t\nbad\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "solved\t2491.78\t2067.63\t591.83\t1200\t119.03\ninvalid-line\tbad\t\t\t\t\n");
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
            "invalid-line\tbad\t\t\t\t\n"
            "no-solution\t100\t200\t\t\t\n");
  EXPECT_NE(parallel.err.find("第 3 行"), std::string::npos);

  const CliRun refused = Invoke({"--batch", "-j", "0"}, input);
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.out, "");
  EXPECT_NE(refused.err.find("-j"), std::string::npos);
}

}  // namespace
}  // namespace segcalc

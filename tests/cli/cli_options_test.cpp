#include "cli/cli_options.h"

#include <gtest/gtest.h>

namespace segcalc {
namespace {

TEST(ParseCliOptions, AcceptsBothOptionForms) {
  const ParsedOptions parsed =
      ParseCliOptions({"--arc", "12 m", "--chord=", "--height=3=4", "--major"});
  ASSERT_TRUE(parsed.options) << parsed.error;
  EXPECT_EQ(parsed.options->action, CliOptions::Action::Compute);
  EXPECT_EQ(parsed.options->arc, "12 m");
  EXPECT_EQ(parsed.options->chord, "");
  EXPECT_EQ(parsed.options->height, "3=4");
  EXPECT_EQ(parsed.options->mode, SolveMode::MajorArc);
}

TEST(ParseCliOptions, BatchTakesAnOptionalFile) {
  const ParsedOptions stdin_batch = ParseCliOptions({"--batch"});
  ASSERT_TRUE(stdin_batch.options);
  EXPECT_EQ(stdin_batch.options->action, CliOptions::Action::Batch);
  EXPECT_FALSE(stdin_batch.options->batch_file);
  const ParsedOptions dash = ParseCliOptions({"--batch", "-"});
  ASSERT_TRUE(dash.options);
  EXPECT_FALSE(dash.options->batch_file);
  const ParsedOptions file = ParseCliOptions({"--batch", "list.tsv"});
  ASSERT_TRUE(file.options);
  EXPECT_EQ(file.options->batch_file, "list.tsv");
}

TEST(ParseCliOptions, RefusesWhatItCannotMeanClearly) {
  const std::vector<std::vector<std::string_view>> refused = {
      {"--arc"},       {"--arc", "1", "--arc", "2"}, {"--bogus"},
      {"stray"},       {"--batch", "a", "b"},        {"--batch", "--arc", "1"},
      {"--major=yes"}, {"--batch", "--major"},       {"-x"}};
  for (const auto& args : refused) {
    const ParsedOptions parsed = ParseCliOptions(args);
    EXPECT_FALSE(parsed.options) << args.front();
    EXPECT_FALSE(parsed.error.empty());
  }
}

TEST(ParseCliOptions, HelpAndVersion) {
  EXPECT_EQ(ParseCliOptions({"--arc", "1", "--help"}).options->action, CliOptions::Action::Help);
  EXPECT_EQ(ParseCliOptions({"-h"}).options->action, CliOptions::Action::Help);
  EXPECT_EQ(ParseCliOptions({"--version"}).options->action, CliOptions::Action::Version);
}

TEST(ParseCliOptions, JobsForTheBatch) {
  const struct {
    std::vector<std::string_view> args;
    std::optional<unsigned> jobs;
  } accepted[] = {{{"--batch"}, std::nullopt},
                  {{"--batch", "-j", "2"}, 2},
                  {{"-j", "1", "--batch", "list.tsv"}, 1},
                  {{"--batch", "--jobs", "16"}, 16},
                  {{"--batch", "--jobs=3"}, 3},
                  {{"--batch", "-j", "256"}, 256},
                  {{"--batch", "-j", "007"}, 7},
                  // The count attached, as users type it by habit.
                  {{"--batch", "-j2"}, 2},
                  {{"-j1", "--batch"}, 1},
                  {{"--batch", "-j256", "list.tsv"}, 256},
                  {{"--batch", "--jobs=12", "list.tsv"}, 12}};
  for (const auto& c : accepted) {
    const ParsedOptions parsed = ParseCliOptions(c.args);
    ASSERT_TRUE(parsed.options) << parsed.error;
    EXPECT_EQ(parsed.options->jobs, c.jobs) << c.args.back();
  }
  const ParsedOptions with_file = ParseCliOptions({"--batch", "-j", "2", "list.tsv"});
  ASSERT_TRUE(with_file.options);
  EXPECT_EQ(with_file.options->batch_file, "list.tsv");
}

TEST(ParseCliOptions, RefusesBadJobCounts) {
  const std::vector<std::vector<std::string_view>> refused = {{"--batch", "-j", "0"},
                                                              {"--batch", "-j", "257"},
                                                              {"--batch", "-j", "1000"},
                                                              {"--batch", "-j", "-1"},
                                                              {"--batch", "-j", "+2"},
                                                              {"--batch", "-j", "1.5"},
                                                              {"--batch", "-j", "two"},
                                                              {"--batch", "-j", ""},
                                                              {"--batch", "--jobs="},
                                                              {"--batch", "-j"},
                                                              {"--batch", "-j", "2", "-j", "2"},
                                                              {"--batch", "-j", "2", "--jobs", "3"},
                                                              {"-j", "2"},
                                                              {"--arc", "1", "--jobs", "2"},
                                                              {"--batch", "-j0"},
                                                              {"--batch", "-j257"},
                                                              {"--batch", "-jx"},
                                                              {"--batch", "-j=2"},
                                                              {"--batch", "-j2", "-j3"},
                                                              {"--batch", "-j2", "--jobs=2"},
                                                              {"--batch", "-j2", "--jobs", "2"},
                                                              {"-j2"},
                                                              {"--major", "-j2"}};
  for (const auto& args : refused) {
    const ParsedOptions parsed = ParseCliOptions(args);
    EXPECT_FALSE(parsed.options) << args.back();
    EXPECT_FALSE(parsed.error.empty());
  }
}

}  // namespace
}  // namespace segcalc

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
  EXPECT_TRUE(parsed.options->major);
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
      {"--arc"},           {"--arc", "1", "--arc", "2"}, {"--bogus"},
      {"stray"},           {"--batch", "a", "b"},        {"--batch", "--arc", "1"},
      {"--major=yes"},     {"--batch", "--major"},       {"-x"}};
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

}  // namespace
}  // namespace segcalc

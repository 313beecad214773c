// The hostile texts through the real segcalc-cli: on the command line and in
// batch lines. Every run ends by itself with a defined status and message, and
// every text comes back out exactly as it went in.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/outcome_message.h"
#include "tests/support/child_process.h"
#include "tests/support/hostile_texts.h"
#include "tests/support/text_lines.h"

namespace segcalc {
namespace {

using testing::ChildRun;
using testing::HostileText;
using testing::HostileTexts;
using testing::kChordWithArc;
using testing::kChordWithHeight;
using testing::RunChild;

const std::vector<std::string> kCLocale{"LC_ALL=C.UTF-8"};

ChildRun RunCli(std::vector<std::string> args, std::string input = "") {
  return RunChild({.program = SEGCALC_CLI_PATH,
                   .args = std::move(args),
                   .input = std::move(input),
                   .extra_environment = kCLocale});
}

const char* Token(OutcomeKind kind) {
  switch (kind) {
    case OutcomeKind::Solved:
      return "solved";
    case OutcomeKind::Incomplete:
      return "incomplete";
    case OutcomeKind::NoSolution:
      return "no-solution";
    case OutcomeKind::ConversionError:
      return "conversion-error";
    case OutcomeKind::ArithmeticError:
      return "arithmetic-error";
  }
  return "";
}

// What the user is told, as Compute would have it for this text in this box.
std::string ExpectedMessage(OutcomeKind kind, Quantity box, const NumberReading& reading) {
  ComputeOutcome outcome;
  outcome.kind = kind;
  outcome.failed_box = box;
  outcome.conversion = reading.status;
  return kind == OutcomeKind::Solved ? "" : "segcalc-cli: " + OutcomeMessage(outcome) + "\n";
}

// A command line cannot carry a NUL, and the kernel refuses one argument
// beyond 128 KiB.
bool FitsACommandLine(const std::string& text) {
  return text.find('\0') == std::string::npos && text.size() < 128 * 1024;
}

// A batch field ends at a tab and a line at a line feed.
bool FitsABatchField(const std::string& text) {
  return text.find_first_of("\t\n") == std::string::npos;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "output does not end with a line feed";
  return lines;
}

using testing::Fields;

void ExpectCommandLineRun(const ChildRun& run, OutcomeKind kind, Quantity box,
                          const NumberReading& reading, const std::string& echo,
                          const std::string& name) {
  ASSERT_TRUE(run.exited) << name << ": signal " << run.signal;
  EXPECT_EQ(run.status, kind == OutcomeKind::Solved ? 0 : 1) << name;
  EXPECT_EQ(run.err, ExpectedMessage(kind, box, reading)) << name;
  if (kind == OutcomeKind::Solved) {
    EXPECT_EQ(run.out.find(echo), 0u) << name;
  } else {
    EXPECT_EQ(run.out, "") << name;
  }
}

TEST(HostileCliText, OnTheCommandLine) {
  for (const HostileText& hostile : HostileTexts()) {
    if (!FitsACommandLine(hostile.text)) continue;
    ExpectCommandLineRun(RunCli({"--arc", hostile.text, "--chord", kChordWithArc}), hostile.as_arc,
                         Quantity::Arc, hostile.lenient, "弧长\t" + hostile.text + "\n",
                         hostile.name + " as arc");
    ExpectCommandLineRun(RunCli({"--chord", kChordWithHeight, "--height", hostile.text}),
                         hostile.as_height, Quantity::Height, hostile.strict, "弧长\t",
                         hostile.name + " as height");
  }
}

TEST(HostileCliText, InBatchLines) {
  std::string as_arc, as_height;
  std::vector<const HostileText*> sent;
  for (const HostileText& hostile : HostileTexts()) {
    if (!FitsABatchField(hostile.text)) continue;
    sent.push_back(&hostile);
    as_arc += hostile.text + "\t" + kChordWithArc + "\t\t1\n";
    as_height += std::string("\t") + kChordWithHeight + "\t" + hostile.text + "\t1\n";
  }
  const ChildRun arc_run = RunCli({"--batch"}, as_arc);
  const ChildRun height_run = RunCli({"--batch"}, as_height);
  for (const ChildRun* run : {&arc_run, &height_run}) {
    ASSERT_TRUE(run->exited) << "signal " << run->signal;
    EXPECT_EQ(run->status, 0);  // every line has the right shape
    EXPECT_EQ(run->err, "");
  }
  const std::vector<std::string> arc_lines = Lines(arc_run.out);
  const std::vector<std::string> height_lines = Lines(height_run.out);
  ASSERT_EQ(arc_lines.size(), sent.size());
  ASSERT_EQ(height_lines.size(), sent.size());
  for (std::size_t i = 0; i < sent.size(); ++i) {
    const HostileText& hostile = *sent[i];
    const std::vector<std::string> arc = Fields(arc_lines[i]);
    ASSERT_EQ(arc.size(), 6u) << hostile.name;
    EXPECT_EQ(arc[0], Token(hostile.as_arc)) << hostile.name << " as arc";
    EXPECT_TRUE(arc[1] == hostile.text) << hostile.name << " as arc came back changed";
    const std::vector<std::string> height = Fields(height_lines[i]);
    ASSERT_EQ(height.size(), 6u) << hostile.name;
    EXPECT_EQ(height[0], Token(hostile.as_height)) << hostile.name << " as height";
    EXPECT_TRUE(height[3] == hostile.text) << hostile.name << " as height came back changed";
  }
}

}  // namespace
}  // namespace segcalc

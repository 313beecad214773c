// segcalc-cli --batch fed what scripts really feed it: lines of the wrong
// shape, other line ends, huge lines, binary data, an output nobody reads and
// inputs far longer than memory should hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/child_process.h"

namespace segcalc {
namespace {

using testing::ChildRun;
using testing::OutputSink;
using testing::RunChild;

const std::vector<std::string> kCLocale{"LC_ALL=C.UTF-8"};

ChildRun RunBatch(std::string input, OutputSink sink = OutputSink::Captured) {
  return RunChild({.program = SEGCALC_CLI_PATH,
                   .args = {"--batch"},
                   .input = std::move(input),
                   .sink = sink,
                   .extra_environment = kCLocale});
}

std::size_t CountLines(const std::string& text) {
  const auto feeds = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
  return feeds + (!text.empty() && text.back() != '\n' ? 1 : 0);
}

constexpr std::size_t kTenMegabytes = 10 * 1024 * 1024;

TEST(BatchAbuse, EveryInputLineGetsItsResultLine) {
  const std::string solved_chord_height = "solved\t10\t10\t0.01\t834.43\t0.69\n";
  const std::string huge_arc = "2491.78" + std::string(kTenMegabytes, ' ');
  const struct {
    const char* name;
    std::string input;
    int status;
    std::string out;
  } cases[] = {
      {"wrong shapes", "one field\n1\t2\n1\t2\t3\t4\t5\n\n1\t2\t3\tx\n1\t2\t3\t1.0\r\n", 1,
       "invalid-line\tone field\t\t\t\t\n"
       "invalid-line\t1\t2\t\t\t\n"
       "invalid-line\t1\t2\t3\t\t\n"
       "\n"
       "invalid-line\t1\t2\t3\t\t\n"
       "invalid-line\t1\t2\t3\t\t\n"},
      {"empty lines and an empty check", "\n\r\n\t10\t0.01\t\r\n\n", 0,
       "\n\n" + solved_chord_height + "\n"},
      // Unless the carriage return is dropped the height reads '0.01\r',
      // which is not a number.
      {"carriage return and line feed", "\t10\t0.01\r\n\t10\t0.01\t1\r\n", 0,
       solved_chord_height + solved_chord_height},
      {"no final line feed", "\t10\t0.01", 0, solved_chord_height},
      {"only a line feed", "\n", 0, "\n"},
      {"nothing at all", "", 0, ""},
      {"ten megabyte arc that reads as a number", huge_arc + "\t2067.63\t\t1\n", 0,
       "solved\t" + huge_arc + "\t2067.63\t591.83\t1200\t119.03\n"},
      {"ten megabytes of digits", std::string(kTenMegabytes, '7') + "\t1\t\t1\n", 0,
       "conversion-error\t" + std::string(kTenMegabytes, '7') + "\t1\t\t\t\n"},
  };
  for (const auto& c : cases) {
    const ChildRun run = RunBatch(c.input);
    ASSERT_TRUE(run.exited) << c.name << ": signal " << run.signal;
    EXPECT_EQ(run.status, c.status) << c.name;
    EXPECT_TRUE(run.out == c.out) << c.name << ": output of " << run.out.size() << " bytes";
    EXPECT_EQ(CountLines(run.out), CountLines(c.input)) << c.name;
  }
}

// Bytes of every value, line feeds, tabs and NULs among them: each line is
// answered, none crashes the reader.
TEST(BatchAbuse, BinaryData) {
  std::string input;
  std::uint32_t state = 20240601;
  for (int i = 0; i < 50'000; ++i) {
    state = state * 1664525u + 1013904223u;
    const unsigned byte = state >> 24;
    // Tabs and line feeds more often than chance, so that some lines have
    // the shape of a batch line and are computed.
    input += static_cast<char>(byte < 4 ? '\t' : byte < 12 ? '\n' : byte);
  }
  const ChildRun run = RunBatch(input);
  ASSERT_TRUE(run.exited) << "signal " << run.signal;
  EXPECT_TRUE(run.status == 0 || run.status == 1) << run.status;
  EXPECT_EQ(CountLines(run.out), CountLines(input));
}

// Nobody reads the results: the run must end by itself without dying of a
// signal, say why on standard error and fail. It stops at the first failed
// write, so the invalid lines after it are never reported.
TEST(BatchAbuse, OutputNobodyReads) {
  std::string input = "1\t\t\n";
  for (int i = 0; i < 100; ++i) input += "not a batch line\n";
  for (const OutputSink sink : {OutputSink::Closed, OutputSink::BrokenPipe}) {
    const char* name = sink == OutputSink::Closed ? "closed output" : "broken pipe";
    const ChildRun run = RunBatch(input, sink);
    ASSERT_TRUE(run.exited) << name << ": signal " << run.signal;
    EXPECT_NE(run.status, 0) << name;
    EXPECT_NE(run.err.find("无法写出结果"), std::string::npos) << name << ": " << run.err;
    EXPECT_EQ(run.err.find("行无效"), std::string::npos) << name << ": " << run.err;
  }
}

TEST(BatchAbuse, SingleComputeToOutputNobodyReads) {
  for (const OutputSink sink : {OutputSink::Closed, OutputSink::BrokenPipe}) {
    const ChildRun run = RunChild({.program = SEGCALC_CLI_PATH,
                                   .args = {"--arc", "2491.78", "--chord", "2067.63"},
                                   .sink = sink,
                                   .extra_environment = kCLocale});
    ASSERT_TRUE(run.exited) << "signal " << run.signal;
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.err.find("无法写出结果"), std::string::npos) << run.err;
  }
}

// A million lines that compute at once (incomplete, or a height that is not a
// number): memory must not grow with the input, here 30 MB in and more out.
// Input and output stay in files, as the child's peak counts this process too.
// The allocator of a sanitizer build keeps freed blocks for a while; a small
// quarantine keeps that from passing for growth.
TEST(BatchAbuse, MillionLinesInBoundedMemory) {
  const std::string lines[] = {"123456789.123456789\t\t\t0\n", "\t1\tnot a number at all\n"};
  testing::ScratchFolder scratch;
  const std::string small = scratch.File("small"), large = scratch.File("large"),
                    out = scratch.File("out");
  {
    std::ofstream small_file(small, std::ios::binary), large_file(large, std::ios::binary);
    for (int i = 0; i < 1'000'000; ++i) {
      if (i < 1000) small_file << lines[i % 2];
      large_file << lines[i % 2];
    }
  }
  const std::vector<std::string> environment{"LC_ALL=C.UTF-8",
                                             "ASAN_OPTIONS=abort_on_error=1:quarantine_size_mb=1"};
  const ChildRun baseline = RunChild({.program = SEGCALC_CLI_PATH,
                                      .args = {"--batch", small},
                                      .extra_environment = environment,
                                      .output_file = out});
  const ChildRun run = RunChild({.program = SEGCALC_CLI_PATH,
                                 .args = {"--batch", large},
                                 .extra_environment = environment,
                                 .output_file = out});
  ASSERT_TRUE(run.exited) << "signal " << run.signal;
  EXPECT_EQ(run.status, 0);

  std::ifstream results(out, std::ios::binary);
  std::string first, second, line;
  std::getline(results, first);
  std::getline(results, second);
  EXPECT_EQ(first, "incomplete\t123456789.123456789\t\t\t\t");
  EXPECT_EQ(second, "conversion-error\t\t1\tnot a number at all\t\t");
  std::size_t count = 2;
  while (std::getline(results, line)) ++count;
  EXPECT_EQ(count, 1'000'000u);

  const long growth_kib = run.max_rss_kib - baseline.max_rss_kib;
  EXPECT_LT(growth_kib, 8 * 1024) << "baseline " << baseline.max_rss_kib << " KiB, a million lines "
                                  << run.max_rss_kib << " KiB";
}

// Whatever a ten megabyte line holds, it costs a few copies of itself and no
// more: a line of tabs once cost a view per field, some thirty times its size.
TEST(BatchAbuse, TenMegabyteLinesInBoundedMemory) {
  const struct {
    const char* name;
    std::string head;
    std::string fill;  // repeated for ten megabytes
    std::string tail;
    std::string token;
  } cases[] = {
      {"digits", "", "7", "\t1\t\t1\n", "conversion-error"},
      {"blanks after a number", "2491.78", " ", "\t2067.63\t\t1\n", "solved"},
      {"tabs", "", "\t", "\n", "invalid-line"},
      {"fields of one character", "", "x\t", "x\n", "invalid-line"},
      {"strictly read digits", "\t1\t", "7", "\t1\n", "conversion-error"},
  };
  testing::ScratchFolder scratch;
  const std::string in = scratch.File("in"), out = scratch.File("out");
  const std::vector<std::string> environment{"LC_ALL=C.UTF-8",
                                             "ASAN_OPTIONS=abort_on_error=1:quarantine_size_mb=1"};
  const auto run_on = [&](const std::string& head, const std::string& fill, std::size_t count,
                          const std::string& tail) {
    {
      std::ofstream file(in, std::ios::binary);
      file << head;
      std::string block;
      while (block.size() < 1024) block += fill;
      for (std::size_t i = 0; i < count / block.size(); ++i) file << block;
      file << tail;
    }
    return RunChild({.program = SEGCALC_CLI_PATH,
                     .args = {"--batch", in},
                     .extra_environment = environment,
                     .output_file = out});
  };
  const ChildRun baseline = run_on("", "7", 1024, "\t1\t\t1\n");
  for (const auto& c : cases) {
    const ChildRun run = run_on(c.head, c.fill, kTenMegabytes, c.tail);
    ASSERT_TRUE(run.exited) << c.name << ": signal " << run.signal;
    std::ifstream result(out, std::ios::binary);
    std::string token;
    std::getline(result, token, '\t');
    EXPECT_EQ(token, c.token) << c.name;
    const long growth_kib = run.max_rss_kib - baseline.max_rss_kib;
    EXPECT_LT(growth_kib, static_cast<long>(10 * kTenMegabytes / 1024))
        << c.name << ": " << run.max_rss_kib << " KiB, baseline " << baseline.max_rss_kib << " KiB";
  }
}

}  // namespace
}  // namespace segcalc

#include "cli/parallel_batch.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <sstream>
#include <streambuf>
#include <string>
#include <thread>

#include "cli/batch.h"

namespace segcalc {
namespace {

using namespace std::chrono_literals;

const NumberSeparators kFullStop{".", ","};

struct BatchRun {
  int status;
  std::string out;
  std::string err;
};

BatchRun RunLines(const std::string& input, unsigned jobs) {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = RunBatch(in, out, err, kFullStop, jobs);
  return {status, out.str(), err.str()};
}

// Lines of every kind, cheap and costly ones mixed so that workers finish
// out of order, many times the window so that it wraps around.
std::string MixedLines(int count) {
  const char* const kinds[] = {
      "2491.78\t2067.63\t\n", "2491.78\t2067.63\t\t0\n", "only\tone\n",     "\t\t\n",
      "100\t200\t\n",         "\t1000\tabc\n",           "1e305\t0\t\t0\n", "1000\t\t340\n",
      "\t1000\t1000\t0\n",    "10\t10.01\t\n",           "1\t2\t3\tx\n"};
  std::string lines;
  for (int i = 0; i < count; ++i) {
    if (i % 5 == 0) {
      lines += std::to_string(100 + i) + "\t" + std::to_string(90 + i % 17) + "\t\n";
    } else {
      lines += kinds[i % std::size(kinds)];
    }
  }
  return lines;
}

TEST(ParallelBatch, SameOutputMessagesAndStatusAsOneThread) {
  const struct {
    const char* name;
    std::string input;
  } cases[] = {{"empty", ""},
               {"one valid line without a line end", "2491.78\t2067.63\t"},
               {"all valid", "1\t\t\n2491.78\t2067.63\t\n"},
               {"mixed, many windows", MixedLines(300)}};
  for (const auto& c : cases) {
    const BatchRun sequential = RunLines(c.input, 1);
    for (const unsigned jobs : {2u, 3u, 16u}) {
      const BatchRun parallel = RunLines(c.input, jobs);
      EXPECT_EQ(parallel.out, sequential.out) << c.name << " -j " << jobs;
      EXPECT_EQ(parallel.err, sequential.err) << c.name << " -j " << jobs;
      EXPECT_EQ(parallel.status, sequential.status) << c.name << " -j " << jobs;
    }
  }
  // The comparison is only worth something if the one-thread run is right.
  const BatchRun mixed = RunLines(MixedLines(300), 1);
  EXPECT_EQ(mixed.status, 1);
  EXPECT_NE(mixed.err.find("第 3 行无效"), std::string::npos);
  EXPECT_NE(mixed.out.find("arithmetic-error\t1e305"), std::string::npos);
}

// Input that arrives line by line, when the test hands it over.
class HandedInput : public std::streambuf {
 public:
  void Hand(const std::string& text) {
    std::lock_guard lock(mutex_);
    pending_ += text;
    changed_.notify_all();
  }
  void Close() {
    std::lock_guard lock(mutex_);
    closed_ = true;
    changed_.notify_all();
  }

 protected:
  int_type underflow() override {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return !pending_.empty() || closed_; });
    if (pending_.empty()) return traits_type::eof();
    current_ = std::move(pending_);
    pending_.clear();
    setg(current_.data(), current_.data(), current_.data() + current_.size());
    return traits_type::to_int_type(current_.front());
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::string pending_;
  std::string current_;
  bool closed_ = false;
};

// Output the test can watch while the batch is still running.
class WatchedOutput : public std::streambuf {
 public:
  bool WaitFor(const std::string& text, std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, limit, [&] { return written_.find(text) != written_.npos; });
  }

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    std::lock_guard lock(mutex_);
    written_ += traits_type::to_char_type(c);
    changed_.notify_all();
    return c;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::string written_;
};

TEST(ParallelBatch, WritesEachResultBeforeTheNextLineArrives) {
  HandedInput input_buffer;
  WatchedOutput output_buffer;
  std::istream in(&input_buffer);
  std::ostream out(&output_buffer);
  std::ostringstream err;
  int status = -1;
  std::thread batch([&] { status = RunBatch(in, out, err, kFullStop, 2); });

  input_buffer.Hand("2491.78\t2067.63\t\n");
  const bool first = output_buffer.WaitFor("119.03\n", 10s);
  input_buffer.Hand("1000\t\t340\n");
  const bool second = output_buffer.WaitFor("332.22\n", 10s);
  input_buffer.Close();
  batch.join();
  EXPECT_TRUE(first);
  EXPECT_TRUE(second);
  EXPECT_EQ(status, 0);
}

// Endless-looking input: counts the lines the batch has taken so far.
class CountedInput : public std::streambuf {
 public:
  explicit CountedInput(int lines) : remaining_(lines) {}
  int taken() const { return taken_.load(); }

 protected:
  int_type underflow() override {
    if (remaining_ == 0) return traits_type::eof();
    --remaining_;
    ++taken_;
    setg(line_.data(), line_.data(), line_.data() + line_.size());
    return traits_type::to_int_type(line_.front());
  }

 private:
  std::string line_ = "2491.78\t2067.63\t\n";
  int remaining_;
  std::atomic<int> taken_{0};
};

// Output that accepts nothing until released.
class HeldOutput : public std::streambuf {
 public:
  void Release() {
    std::lock_guard lock(mutex_);
    released_ = true;
    changed_.notify_all();
  }
  int lines() const { return lines_.load(); }

 protected:
  int_type overflow(int_type c) override {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return released_; });
    if (traits_type::to_char_type(c) == '\n') ++lines_;
    return traits_type::not_eof(c);
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool released_ = false;
  std::atomic<int> lines_{0};
};

TEST(ParallelBatch, ReadsNoFurtherAheadThanItsWindow) {
  constexpr int kLines = 2000;
  constexpr unsigned kJobs = 2;
  CountedInput input_buffer(kLines);
  HeldOutput output_buffer;
  std::istream in(&input_buffer);
  std::ostream out(&output_buffer);
  std::ostringstream err;
  std::thread batch([&] { RunBatch(in, out, err, kFullStop, kJobs); });

  // Time enough to compute far more lines than the window holds.
  std::this_thread::sleep_for(500ms);
  const int taken_while_held = input_buffer.taken();
  output_buffer.Release();
  batch.join();
  // The window, the line being written and the one the reader waits with.
  EXPECT_LE(taken_while_held, static_cast<int>(kBatchLinesPerWorker * kJobs) + 2);
  EXPECT_EQ(output_buffer.lines(), kLines);
}

}  // namespace
}  // namespace segcalc

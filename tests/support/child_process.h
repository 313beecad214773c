#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace segcalc::testing {

// A private folder for a test's files, removed with everything in it.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  std::string File(const char* name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// Where the child's standard output goes.
enum class OutputSink {
  Captured,    // a file, read back into ChildRun::out
  Closed,      // no descriptor 1 at all, as with '>&-'
  BrokenPipe,  // a pipe whose reading end is already closed
};

struct ChildRequest {
  std::string program{};
  std::vector<std::string> args{};
  std::string input{};       // standard input, fed from a file
  std::string input_file{};  // when set, standard input is this file instead
  OutputSink sink = OutputSink::Captured;
  std::vector<std::string> extra_environment{};  // NAME=VALUE, over the inherited ones
  // When set, a captured output is left in this file instead of being read.
  std::string output_file{};
};

struct ChildRun {
  bool exited = false;  // false: ended by a signal
  int status = -1;      // the exit status, when exited
  int signal = 0;       // the signal, when not exited
  std::string out;
  std::string err;
  // The peak resident memory the kernel reports for the child. It counts the
  // memory of the test process at the moment of the spawn as well, so a test
  // that bounds it must itself stay small.
  long max_rss_kib = 0;
};

// Runs a program to its end, as a shell would start it: default signal
// dispositions, whatever the test runner ignores.
ChildRun RunChild(const ChildRequest& request);

}  // namespace segcalc::testing

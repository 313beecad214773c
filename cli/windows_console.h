#pragma once

#ifdef _WIN32

#include <istream>
#include <memory>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

namespace segcalc {

// The command line as UTF-8. Windows hands a plain main() its arguments in the
// ANSI code page (GBK on a Chinese Windows), which loses whatever that page
// cannot hold; wmain's UTF-16 arguments lose nothing.
std::vector<std::string> Utf8Arguments(int argc, wchar_t** argv);

// Standard input, output and error for segcalc's UTF-8 text. Redirected, all
// three are binary: the batch input may be UTF-16, whose bytes a text mode
// would cut at the first 0x1A, and the output is the same bytes as on Linux.
// A console is read and written as UTF-16 (ReadConsoleW, WriteConsoleW),
// which keeps any character whatever the console's code page.
class StandardStreams {
 public:
  StandardStreams();
  StandardStreams(const StandardStreams&) = delete;
  StandardStreams& operator=(const StandardStreams&) = delete;
  ~StandardStreams();

  std::istream& in() { return *in_; }
  std::ostream& out() { return *out_; }
  std::ostream& err() { return *err_; }

 private:
  std::unique_ptr<std::streambuf> in_console_;
  std::unique_ptr<std::streambuf> out_console_;
  std::unique_ptr<std::streambuf> err_console_;
  std::unique_ptr<std::istream> in_owned_;
  std::unique_ptr<std::ostream> out_owned_;
  std::unique_ptr<std::ostream> err_owned_;
  std::istream* in_;
  std::ostream* out_;
  std::ostream* err_;
};

}  // namespace segcalc

#endif

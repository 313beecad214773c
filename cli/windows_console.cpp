#include "cli/windows_console.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string_view>

#include "platform/wide_text.h"

namespace segcalc {
namespace {

// How many bytes at the start of text end on a character boundary: a UTF-8
// sequence cut by the buffer's end waits for the rest of it.
std::size_t WholeCharacters(std::string_view text) {
  const std::size_t size = text.size();
  for (std::size_t back = 1; back <= 3 && back <= size; ++back) {
    const auto byte = static_cast<unsigned char>(text[size - back]);
    if ((byte & 0xC0) == 0x80) continue;  // a continuation byte: look further back
    const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    return length > back ? size - back : size;
  }
  return size;
}

// Writes UTF-8 to a console as UTF-16.
class ConsoleBuffer : public std::streambuf {
 public:
  explicit ConsoleBuffer(HANDLE console) : console_(console) {
    setp(buffer_, buffer_ + sizeof buffer_);
  }
  ~ConsoleBuffer() override { sync(); }

 protected:
  int_type overflow(int_type c) override {
    if (!Drain(false)) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
  }

  int sync() override { return Drain(true) ? 0 : -1; }

 private:
  // Writes what the buffer holds, keeping a cut character unless everything
  // must go; false when the console refuses it.
  bool Drain(bool everything) {
    const std::string_view held(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    const std::size_t whole = everything ? held.size() : WholeCharacters(held);
    const std::wstring wide = WideFromUtf8(held.substr(0, whole));
    bool written = true;
    for (std::size_t at = 0; at < wide.size() && written;) {
      DWORD count = 0;
      const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(wide.size() - at, 8192));
      written = WriteConsoleW(console_, wide.data() + at, chunk, &count, nullptr) && count > 0;
      at += count;
    }
    // The cut character moves to the front, to be completed by what follows.
    const std::string_view rest = held.substr(whole);
    std::copy(rest.begin(), rest.end(), buffer_);
    setp(buffer_, buffer_ + sizeof buffer_);
    pbump(static_cast<int>(rest.size()));
    return written;
  }

  HANDLE console_;
  char buffer_[4096];
};

// Reads a console as UTF-16 and hands on UTF-8: read as bytes, typed text
// would arrive in the console's code page. Ctrl+Z ends the input, as it does
// for every console program.
class ConsoleInputBuffer : public std::streambuf {
 public:
  explicit ConsoleInputBuffer(HANDLE console) : console_(console) {}

 protected:
  int_type underflow() override {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    decoded_.clear();
    while (decoded_.empty() && !ended_) Read();
    setg(decoded_.data(), decoded_.data(), decoded_.data() + decoded_.size());
    return decoded_.empty() ? traits_type::eof() : traits_type::to_int_type(*gptr());
  }

 private:
  void Read() {
    wchar_t chunk[4096];
    DWORD count = 0;
    std::wstring text;
    if (high_surrogate_ != 0) text += high_surrogate_;
    high_surrogate_ = 0;
    if (!ReadConsoleW(console_, chunk, sizeof chunk / sizeof chunk[0], &count, nullptr) ||
        count == 0) {
      ended_ = true;
    } else {
      text.append(chunk, count);
    }
    if (const std::size_t end = text.find(L'\x1A'); end != text.npos) {
      text.resize(end);
      ended_ = true;
    }
    // A character cut by the end of the chunk waits for the rest of it.
    if (!ended_ && !text.empty() && text.back() >= 0xD800 && text.back() <= 0xDBFF) {
      high_surrogate_ = text.back();
      text.pop_back();
    }
    decoded_ = Utf8FromWide(text);
  }

  HANDLE console_;
  std::string decoded_;
  bool ended_ = false;
  wchar_t high_surrogate_ = 0;
};

// The console behind a standard handle, or null when it is redirected.
HANDLE ConsoleOf(DWORD which) {
  HANDLE handle = GetStdHandle(which);
  DWORD mode = 0;
  if (handle == INVALID_HANDLE_VALUE || handle == nullptr || !GetConsoleMode(handle, &mode)) {
    return nullptr;
  }
  return handle;
}

}  // namespace

std::vector<std::string> Utf8Arguments(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 0; i < argc; ++i) args.push_back(Utf8FromWide(argv[i]));
  return args;
}

StandardStreams::StandardStreams() : in_(&std::cin), out_(&std::cout), err_(&std::cerr) {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  if (HANDLE console = ConsoleOf(STD_INPUT_HANDLE)) {
    in_console_ = std::make_unique<ConsoleInputBuffer>(console);
    in_owned_ = std::make_unique<std::istream>(in_console_.get());
    in_ = in_owned_.get();
  }
  if (HANDLE console = ConsoleOf(STD_OUTPUT_HANDLE)) {
    out_console_ = std::make_unique<ConsoleBuffer>(console);
    out_owned_ = std::make_unique<std::ostream>(out_console_.get());
    out_ = out_owned_.get();
  }
  if (HANDLE console = ConsoleOf(STD_ERROR_HANDLE)) {
    err_console_ = std::make_unique<ConsoleBuffer>(console);
    err_owned_ = std::make_unique<std::ostream>(err_console_.get());
    err_owned_->setf(std::ios::unitbuf);
    err_ = err_owned_.get();
  }
  // Reading standard input flushes what is written, as with std::cin and
  // std::cout, so that a prompt-and-answer use sees each result in time.
  in_->tie(out_);
}

StandardStreams::~StandardStreams() {
  std::cin.tie(&std::cout);
  if (out_owned_) out_owned_->flush();
  if (err_owned_) err_owned_->flush();
}

}  // namespace segcalc

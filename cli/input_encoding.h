#pragma once

#include <istream>
#include <memory>
#include <streambuf>

namespace segcalc {

// Batch input as the UTF-8 segcalc reads, whichever way a Windows program
// saved it: plain UTF-8, UTF-8 behind a byte-order mark (Notepad), or UTF-16
// of either byte order behind its mark (Excel's "Unicode text"). Input with no
// mark is read as it is. UTF-16 is decoded as it is read, so memory stays
// bounded however long the input; a unit that is not part of valid UTF-16 (a
// lone surrogate, an odd last byte) becomes U+FFFD.
class DecodedInput {
 public:
  // Reads the byte-order mark, if any, from in.
  explicit DecodedInput(std::istream& in);
  DecodedInput(const DecodedInput&) = delete;
  DecodedInput& operator=(const DecodedInput&) = delete;
  ~DecodedInput();

  // The input as UTF-8: in itself when no decoding is needed.
  std::istream& stream() { return *stream_; }

 private:
  std::unique_ptr<std::streambuf> buffer_;
  std::unique_ptr<std::istream> decoded_;
  std::istream* stream_;
};

}  // namespace segcalc

#include "cli/input_encoding.h"

#include <string>

namespace segcalc {
namespace {

enum class Encoding { Utf8, Utf16LittleEndian, Utf16BigEndian };

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

constexpr char32_t kReplacement = 0xFFFD;

// Reads the source in chunks and hands on their UTF-8: the bytes of a mark
// that turned out not to be one first, then the rest, decoded from UTF-16
// where the mark said so.
class DecodingBuffer : public std::streambuf {
 public:
  DecodingBuffer(std::streambuf* source, Encoding encoding, std::string already_read)
      : source_(source), encoding_(encoding), decoded_(std::move(already_read)) {
    setg(decoded_.data(), decoded_.data(), decoded_.data() + decoded_.size());
  }

 protected:
  int_type underflow() override {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    decoded_.clear();
    while (decoded_.empty() && !exhausted_) Decode();
    setg(decoded_.data(), decoded_.data(), decoded_.data() + decoded_.size());
    return decoded_.empty() ? traits_type::eof() : traits_type::to_int_type(*gptr());
  }

 private:
  static constexpr std::streamsize kChunk = 16384;

  void Decode() {
    char chunk[kChunk];
    const std::streamsize got = source_->sgetn(chunk, kChunk);
    if (got <= 0) {
      exhausted_ = true;
      // What the input ends on cannot become a whole character any more.
      if (has_odd_byte_ || high_surrogate_ != 0) AppendUtf8(decoded_, kReplacement);
      return;
    }
    if (encoding_ == Encoding::Utf8) {
      decoded_.append(chunk, static_cast<std::size_t>(got));
      return;
    }
    for (std::streamsize i = 0; i < got; ++i) {
      const auto byte = static_cast<unsigned char>(chunk[i]);
      if (!has_odd_byte_) {
        odd_byte_ = byte;
        has_odd_byte_ = true;
        continue;
      }
      has_odd_byte_ = false;
      Unit(encoding_ == Encoding::Utf16LittleEndian ? static_cast<char16_t>(odd_byte_ | byte << 8)
                                                    : static_cast<char16_t>(odd_byte_ << 8 | byte));
    }
  }

  void Unit(char16_t unit) {
    const bool high = unit >= 0xD800 && unit <= 0xDBFF;
    const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
    if (low && high_surrogate_ != 0) {
      AppendUtf8(decoded_, 0x10000 + ((high_surrogate_ - 0xD800) << 10) + (unit - 0xDC00));
      high_surrogate_ = 0;
      return;
    }
    if (high_surrogate_ != 0) AppendUtf8(decoded_, kReplacement);
    high_surrogate_ = high ? unit : 0;
    if (!high) AppendUtf8(decoded_, low ? kReplacement : char32_t{unit});
  }

  std::streambuf* source_;
  Encoding encoding_;
  std::string decoded_;
  bool exhausted_ = false;
  bool has_odd_byte_ = false;
  unsigned char odd_byte_ = 0;
  char16_t high_surrogate_ = 0;
};

// Takes the next byte if it is the expected one.
bool Take(std::streambuf& source, unsigned char expected, std::string& taken) {
  const auto next = source.sgetc();
  if (next == std::streambuf::traits_type::eof() || next != expected) return false;
  taken += static_cast<char>(source.sbumpc());
  return true;
}

}  // namespace

DecodedInput::DecodedInput(std::istream& in) : stream_(&in) {
  std::streambuf* source = in.rdbuf();
  if (source == nullptr || !in) return;
  // The mark's bytes are taken one by one, and nothing is taken unless the
  // input starts like one of the marks; bytes taken for a mark that is not
  // one are handed on first.
  std::string taken;
  Encoding encoding = Encoding::Utf8;
  if (Take(*source, 0xEF, taken)) {
    if (Take(*source, 0xBB, taken) && Take(*source, 0xBF, taken)) return;
  } else if (Take(*source, 0xFF, taken)) {
    if (Take(*source, 0xFE, taken)) encoding = Encoding::Utf16LittleEndian;
  } else if (Take(*source, 0xFE, taken)) {
    if (Take(*source, 0xFF, taken)) encoding = Encoding::Utf16BigEndian;
  } else {
    return;
  }
  if (encoding != Encoding::Utf8) taken.clear();
  buffer_ = std::make_unique<DecodingBuffer>(source, encoding, std::move(taken));
  decoded_ = std::make_unique<std::istream>(buffer_.get());
  stream_ = decoded_.get();
}

DecodedInput::~DecodedInput() = default;

}  // namespace segcalc

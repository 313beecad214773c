#include "cli/input_encoding.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/batch.h"

namespace segcalc {
namespace {

// UTF-16 bytes of the given units, behind the byte-order mark.
std::string Utf16(std::u16string_view units, bool little_endian) {
  std::string bytes = little_endian ? "\xFF\xFE" : "\xFE\xFF";
  for (const char16_t unit : units) {
    const char low = static_cast<char>(unit & 0xFF);
    const char high = static_cast<char>(unit >> 8);
    bytes += little_endian ? low : high;
    bytes += little_endian ? high : low;
  }
  return bytes;
}

std::string Decoded(const std::string& bytes) {
  std::istringstream in(bytes);
  DecodedInput decoded(in);
  std::ostringstream all;
  all << decoded.stream().rdbuf();
  return all.str();
}

TEST(DecodedInput, Utf8AndItsMark) {
  const struct {
    std::string bytes;
    std::string text;
  } cases[] = {
      {"", ""},
      {"1\t2\t\n", "1\t2\t\n"},
      {"\xEF\xBB\xBF"
       "1\t2\t\n",
       "1\t2\t\n"},
      {"\xEF\xBB\xBF", ""},
      // Only the first mark is one; a second is text.
      {"\xEF\xBB\xBF\xEF\xBB\xBF"
       "1",
       "\xEF\xBB\xBF"
       "1"},
      // A start that looks like a mark and is not one is kept, byte for byte.
      {"\xEF\xBB\x80"
       "1",
       "\xEF\xBB\x80"
       "1"},
      {"\xEF\xBB", "\xEF\xBB"},
      {"\xEF"
       "1",
       "\xEF"
       "1"},
      {"\xFF"
       "1",
       "\xFF"
       "1"},
      {"\xFE", "\xFE"},
      {"\xFE\xFE", "\xFE\xFE"},
      // A mark later in the input is text.
      {"1\xFF\xFE", "1\xFF\xFE"},
  };
  for (const auto& c : cases) EXPECT_EQ(Decoded(c.bytes), c.text) << c.bytes;
}

TEST(DecodedInput, Utf16EitherByteOrder) {
  const struct {
    std::u16string units;
    std::string text;
  } cases[] = {
      {u"", ""},
      {u"2491.78\t2067.63\t\r\n", "2491.78\t2067.63\t\r\n"},
      {u"弧长\t弦长", "弧长\t弦长"},
      // 业 is U+4E1A: its byte 0x1A must not end the input as Ctrl-Z would.
      {u"业\t1", "业\t1"},
      {std::u16string(u"\u00e9\x0000x", 3), std::string("\xC3\xA9\0x", 4)},
      {u"\U0001F600", "\xF0\x9F\x98\x80"},
      // Units that are not valid UTF-16 become U+FFFD, and the text goes on.
      {u"\xD83D", "\xEF\xBF\xBD"},
      {u"\xDE00"
       "1",
       "\xEF\xBF\xBD"
       "1"},
      {u"\xD83D"
       "1",
       "\xEF\xBF\xBD"
       "1"},
      {u"\xD83D\xD83D\xDE00", "\xEF\xBF\xBD\xF0\x9F\x98\x80"},
      // A second mark is text.
      {u"\xFEFF"
       "1",
       "\xEF\xBB\xBF"
       "1"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Decoded(Utf16(c.units, true)), c.text) << c.text;
    EXPECT_EQ(Decoded(Utf16(c.units, false)), c.text) << c.text;
  }
}

TEST(DecodedInput, OddLastByteOfUtf16) {
  EXPECT_EQ(Decoded(Utf16(u"1", true) + "2"), "1\xEF\xBF\xBD");
  EXPECT_EQ(Decoded(Utf16(u"1", false) + "2"), "1\xEF\xBF\xBD");
}

// Long enough to be read in several chunks, with characters cut by each
// chunk's end: every four-byte surrogate pair here straddles a boundary
// that falls two bytes into it.
TEST(DecodedInput, LongUtf16AcrossReads) {
  std::u16string units = u"a";
  std::string text = "a";
  for (int i = 0; i < 50000; ++i) {
    units += u"\U0001F600";
    text += "\xF0\x9F\x98\x80";
    if (i % 100 == 99) {
      units += u"业\n";
      text += "业\n";
    }
  }
  EXPECT_EQ(Decoded(Utf16(units, true)), text);
  EXPECT_EQ(Decoded(Utf16(units, false)), text);
}

// Excel's "Unicode text" export: a batch in UTF-16 gives exactly what the
// same lines in UTF-8 give, on one worker and on several.
TEST(RunBatch, ReadsUtf16AndUtf8WithMark) {
  const std::u16string lines =
      u"2491.78\t2067.63\t\r\n"
      u"1000\t\t340\t1\r\n"
      u"弧\t1000\t\r\n"
      u"only\tone\r\n"
      u"\t1000\t340\t0\r\n";
  const std::string utf8 =
      "2491.78\t2067.63\t\r\n"
      "1000\t\t340\t1\r\n"
      "弧\t1000\t\r\n"
      "only\tone\r\n"
      "\t1000\t340\t0\r\n";
  for (const unsigned jobs : {1u, 3u}) {
    std::istringstream plain_in(utf8);
    std::ostringstream plain_out, plain_err;
    const int plain_status = RunBatch(plain_in, plain_out, plain_err, NumberSeparators{}, jobs);
    ASSERT_EQ(plain_status, 1);
    ASSERT_NE(plain_out.str().find("solved\t2491.78\t2067.63\t591.83"), std::string::npos);
    for (const std::string& bytes :
         {Utf16(lines, true), Utf16(lines, false), "\xEF\xBB\xBF" + utf8}) {
      std::istringstream in(bytes);
      std::ostringstream out, err;
      EXPECT_EQ(RunBatch(in, out, err, NumberSeparators{}, jobs), plain_status);
      EXPECT_EQ(out.str(), plain_out.str()) << jobs;
      EXPECT_EQ(err.str(), plain_err.str()) << jobs;
    }
  }
}

}  // namespace
}  // namespace segcalc

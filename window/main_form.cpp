#include "window/main_form.h"

namespace segcalc {
namespace {

// The example every user knows: a compute right after start-up gives 119.03,
// 1200 and 591.83.
constexpr double kStartArcLength = 2491.78;
constexpr double kStartChordLength = 2067.63;

}  // namespace

std::string WindowCaption() {
  return "求半径" + std::string(31, ' ') + "作者:" + kAuthorName + ",QQ:" + kAuthorQQ;
}

void Form_Load(MainForm& form) {
  for (std::string& text : form.texts()) text.clear();
  form.text(Quantity::Arc) = FormatNumber(kStartArcLength, form.separators());
  form.text(Quantity::Chord) = FormatNumber(kStartChordLength, form.separators());
  form.caption = WindowCaption();
  form.check_value = 1;
}

int Utf16Length(std::string_view utf8) {
  int units = 0;
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    // Each character starts with one byte that is not a continuation byte;
    // a four-byte sequence is a surrogate pair.
    if ((byte & 0xC0) != 0x80) ++units;
    if (byte >= 0xF0) ++units;
  }
  return units;
}

}  // namespace segcalc

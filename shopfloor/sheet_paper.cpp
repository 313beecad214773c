#include "shopfloor/sheet_paper.h"

#include <cmath>

#include "geometry/option_numbers.h"
#include "shopfloor/plain_number.h"

namespace segcalc {
namespace {

struct IsoSize {
  const char* key;
  double width, height;
};

// ISO 216, upright.
constexpr IsoSize kIsoSizes[] = {
    {"A4", 210, 297}, {"A3", 297, 420}, {"A2", 420, 594}, {"A1", 594, 841}, {"A0", 841, 1189}};

}  // namespace

double SheetPaper::WindowWidth() const {
  return width - 2 * kPageMarginMm;
}

double SheetPaper::WindowHeight() const {
  return height - 2 * kPageMarginMm - kSheetSpareMm - kSheetHeadMm;
}

double SheetPaper::ContentWidth() const {
  return width - 2 * kPageMarginMm;
}

double SheetPaper::ContentHeight() const {
  return height - 2 * kPageMarginMm;
}

std::string SheetPaper::CssSize() const {
  // The sizes CSS names itself; the larger ones in millimetres.
  if (!roll && (key == "A4" || key == "A3")) return key + " portrait";
  return PlainNumber(width, 2) + "mm " + PlainNumber(height, 2) + "mm";
}

std::string SheetPaper::Words() const {
  return roll ? PlainNumber(width, 2) + " mm 宽的卷筒纸" : key;
}

std::optional<SheetPaper> ParsePaper(std::string_view text) {
  for (const IsoSize& size : kIsoSizes) {
    if (text.size() == 2 && (text[0] == 'A' || text[0] == 'a') && text[1] == size.key[1]) {
      return SheetPaper{size.key, size.width, size.height, false};
    }
  }
  for (const std::string_view prefix : {std::string_view("roll:"), std::string_view("卷筒:")}) {
    if (text.substr(0, prefix.size()) != prefix) continue;
    const Checked<double> width = ReadOptionNumber(text.substr(prefix.size()));
    if (!width.ok() || !(*width.value >= kNarrowestRollMm && *width.value <= kWidestRollMm)) {
      return std::nullopt;
    }
    // A report page before the strips: the roll's width, an A4 page's height.
    return SheetPaper{"roll:" + PlainNumber(*width.value, 2), *width.value, 297, true};
  }
  return std::nullopt;
}

}  // namespace segcalc

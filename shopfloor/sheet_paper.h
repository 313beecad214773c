#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace segcalc {

// The paper the full-size sheets are printed on: an ISO 216 sheet, upright,
// or a plotter's roll, on which each column of the drawing is one page as
// long as that column needs.
struct SheetPaper {
  std::string key = "A4";  // A4 ... A0, or roll:914 for a roll 914 mm wide
  double width = 210;      // mm
  double height = 297;     // mm; a roll's report pages, its strips run longer
  bool roll = false;

  // The drawing each sheet shows: the paper inside its margins, less, down
  // the page, the sheet's heading (its row and column, the check bar).
  double WindowWidth() const;
  double WindowHeight() const;
  // What the report's pages print inside their margins.
  double ContentWidth() const;
  double ContentHeight() const;
  // The CSS page size: "A4 portrait", "841mm 1189mm".
  std::string CssSize() const;
  // 纸张的名字 as the report states it: "A4", "914 mm 宽的卷筒纸".
  std::string Words() const;
};

inline constexpr double kPageMarginMm = 10;
// A sheet's heading with the gap under it, and the millimetre left over so
// that rounding never pushes a sheet onto a second page.
inline constexpr double kSheetHeadMm = 26;
inline constexpr double kSheetSpareMm = 1;
// Rolls that plotters take, narrowest to widest (mm).
inline constexpr double kNarrowestRollMm = 200;
inline constexpr double kWidestRollMm = 2000;

// "A4" to "A0" (a or A), or "roll:WIDTH" with the width in mm (卷筒:914 too);
// nothing for anything else.
std::optional<SheetPaper> ParsePaper(std::string_view text);
// Why ParsePaper found nothing, for any voice.
inline constexpr char kPaperChoices[] =
    "只能是 A4,A3,A2,A1,A0 或 roll:宽度(卷筒纸宽 200 到 2000 毫米)";

// How the report prints the drawing at 1:1.
struct SheetSetup {
  SheetPaper paper;
  // The chord, the rise and the ordinates drawn across the sheets in full,
  // rather than as ticks where they meet the arch with their values: then
  // every sheet they cross is printed, not only those along the arch.
  bool full_lines = false;
};

}  // namespace segcalc

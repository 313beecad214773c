#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "calc/exact_geometry.h"
#include "calc/number_text.h"
#include "calc/ordinates.h"
#include "shopfloor/length_unit.h"

namespace segcalc {

struct ReportRow {
  std::string label;
  std::string text;
};

// What a printable report shows; plain values, so every front end can fill it.
struct ShopReport {
  std::vector<ReportRow> given;  // the typed measurements and the check box, as typed
  // The calculator's boxes after its compute, in the order 弧长, 弦长, 弦高,
  // 半径, 夹角, and the values they stand for; both empty when it gave no
  // result, and calculator_note says why.
  std::vector<std::string> calculator_texts;
  std::optional<ExactSegment> calculator_values;
  std::string calculator_note;
  ExactChoice exact;
  double ordinate_step = 0;
  OrdinateTable ordinates;
  LengthUnit unit = LengthUnit::Millimetre;
  NumberSeparators separators;
};

// A report with more full-size sheets than this gets none: such an arc is
// marked out from the ordinates or cut from the drawing, not printed.
inline constexpr long long kMaxFullSizeSheets = 400;

// One self-contained HTML page: styles inline, drawings as inline SVG, no
// script, font or image from elsewhere. Printed at 100 % on A4 it gives the
// full-size sheets at 1:1.
void WriteReport(std::ostream& out, const ShopReport& report);

// A step that gives about ten stations across the chord: 1, 2 or 5 times a
// power of ten.
double DefaultOrdinateStep(double chord);

}  // namespace segcalc

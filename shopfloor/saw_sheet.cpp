#include "shopfloor/saw_sheet.h"

#include <algorithm>
#include <ostream>
#include <string>

#include "shopfloor/bar_plan_words.h"
#include "shopfloor/svg_shapes.h"

namespace segcalc {
namespace {

// The drawing: 186 mm for the longest bar, 2 mm of margin each side.
constexpr double kDrawingWidth = 190.0;
constexpr double kBarLength = 186.0;
constexpr double kBarTop = 2.0;
constexpr double kBarHeight = 12.0;
// Labels below the bar for pieces too narrow to hold theirs, in two rows.
constexpr double kLabelRows[] = {19.0, 23.5};
constexpr double kFontSize = 2.8;
// A label's width on paper, about: CJK and digits at the font size.
constexpr double kCharWidth = 0.62 * kFontSize;
// Bars of more pieces than this are drawn run by run.
constexpr std::int64_t kMostPiecesDrawn = 120;
// Boxes to tick up to this many bars; beyond, the count alone.
constexpr std::int64_t kMostBoxes = 100;

const char* const kPieceFills[] = {"#cfe3ff", "#ffe2b8"};

std::string Style() {
  return R"(<style>
@page { size: A4 portrait; margin: 10mm; }
html, body { margin: 0; padding: 0; }
body { font-family: "Noto Sans CJK SC", "Noto Sans SC", "Microsoft YaHei", SimSun, sans-serif;
       font-size: 10pt; color: #000; width: 190mm; }
h1 { font-size: 16pt; margin: 0 0 3mm 0; }
h2 { font-size: 11pt; margin: 0 0 1mm 0; }
table { border-collapse: collapse; margin-bottom: 4mm; }
td { border: 0.2mm solid #888; padding: 0.8mm 2mm; }
td.value { text-align: right; }
p.note { margin: 1mm 0; font-size: 9pt; }
.pattern { break-inside: avoid; page-break-inside: avoid; margin: 0 0 5mm 0;
           padding-top: 2mm; border-top: 0.3mm solid #444; }
svg.bar { display: block; width: 190mm; height: 27mm; }
.tally { font-size: 12pt; letter-spacing: 0.5mm; word-break: break-all; }
@media screen { body { margin: 5mm auto; } }
</style>
)";
}

void WriteRow(std::ostream& out, const std::string& label, const std::string& value) {
  out << "<tr><td>" << EscapeXml(label) << "</td><td class=\"value\">" << EscapeXml(value)
      << "</td></tr>\n";
}

void WriteTotals(std::ostream& out, const barplan::BarPlan& plan,
                 const NumberSeparators& separators) {
  const auto length = [&](double value) { return PlanLength(plan, value, separators); };
  out << "<table>\n";
  for (const barplan::StockUse& use : plan.new_bars) {
    WriteRow(out, "新料根数(" + length(use.length) + ")", std::to_string(use.bars) + " 根");
  }
  for (const barplan::StockUse& use : plan.rack_bars) {
    WriteRow(out, "库存料根数(" + length(use.length) + ")", std::to_string(use.bars) + " 根");
  }
  WriteRow(out, "新料总长", length(plan.new_length));
  WriteRow(out, "用料总长", length(plan.used_length));
  WriteRow(out, "成品总长", length(plan.piece_length));
  WriteRow(out, "利用率", UtilizationText(plan, separators));
  WriteRow(out, "余料", std::to_string(plan.offcut_count) + " 段,共 " + length(plan.offcut_length));
  WriteRow(out, "废料", std::to_string(plan.scrap_count) + " 段,共 " + length(plan.scrap_length));
  WriteRow(out, "下界", BoundText(plan, separators));
  WriteRow(out, "最优", OptimumText(plan, separators));
  out << "</table>\n";
}

std::string Rect(double x, double width, const char* fill) {
  return "<rect x=\"" + SvgNumber(x) + "\" y=\"" + SvgNumber(kBarTop) + "\" width=\"" +
         SvgNumber(std::max(width, 0.0)) + "\" height=\"" + SvgNumber(kBarHeight) + "\" fill=\"" +
         fill + "\" stroke=\"#000\" stroke-width=\"0.15\"/>\n";
}

std::string Text(double x, double y, const std::string& words) {
  return "<text x=\"" + SvgNumber(x) + "\" y=\"" + SvgNumber(y) + "\" font-size=\"" +
         SvgNumber(kFontSize) + "\" text-anchor=\"middle\">" + EscapeXml(words) + "</text>\n";
}

double LabelWidth(const std::string& words) {
  // UTF-8: a CJK character is three bytes and about two digits wide.
  double width = 0.0;
  for (const char c : words) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80)
      width += kCharWidth;
    else if (byte >= 0xc0)
      width += 2 * kCharWidth;
  }
  return width;
}

// One piece (or a run drawn as one) and its label, inside when it fits.
void DrawPiece(std::ostream& out, double x, double width, const std::string& length,
               const std::string& mark, int index, int& below) {
  out << Rect(x, width, kPieceFills[index % 2]);
  const double middle = x + width / 2;
  const double mid_bar = kBarTop + kBarHeight / 2;
  if (std::max(LabelWidth(length), LabelWidth(mark)) + 1.0 <= width) {
    out << Text(middle, mark.empty() ? mid_bar + 1.0 : mid_bar - 0.6, length);
    if (!mark.empty()) out << Text(middle, mid_bar + 3.2, mark);
    return;
  }
  const double y = kLabelRows[below++ % 2];
  out << "<line x1=\"" << SvgNumber(middle) << "\" y1=\"" << SvgNumber(kBarTop + kBarHeight)
      << "\" x2=\"" << SvgNumber(middle) << "\" y2=\"" << SvgNumber(y - kFontSize)
      << "\" stroke=\"#666\" stroke-width=\"0.1\"/>\n";
  out << Text(middle, y, mark.empty() ? length : length + " " + mark);
}

void DrawBar(std::ostream& out, const barplan::BarPlan& plan, const barplan::PlanPattern& pattern,
             double scale, const NumberSeparators& separators) {
  out << "<svg class=\"bar\" viewBox=\"0 0 " << SvgNumber(kDrawingWidth) << " 27\">\n";
  double x = 2.0;
  out << Rect(x, plan.end_a * scale, "#999");
  x += plan.end_a * scale;
  const bool each = pattern.pieces <= kMostPiecesDrawn;
  int index = 0;
  int below = 0;
  for (const barplan::CutRun& run : pattern.cuts) {
    const std::string length = PlanLength(plan, run.length, separators);
    for (std::int64_t n = 0; n < (each ? run.count : 1); ++n) {
      const std::int64_t drawn = each ? 1 : run.count;
      const double width = run.length * scale * static_cast<double>(drawn);
      DrawPiece(out, x, width, drawn > 1 ? length + "×" + std::to_string(drawn) : length, run.mark,
                index++, below);
      x += width;
      const double kerf = plan.kerf * scale * static_cast<double>(drawn);
      if (kerf > 0) out << Rect(x, kerf, "#000");
      x += kerf;
    }
  }
  const double leftover = pattern.leftover * scale;
  if (pattern.leftover > 0) {
    out << Rect(x, leftover, pattern.offcut ? "#d6f5cf" : "#f5d0d0");
    if (leftover >= 8.0) {
      out << Text(
          x + leftover / 2, kBarTop + kBarHeight / 2 + 1.0,
          (pattern.offcut ? "余料 " : "废料 ") + PlanLength(plan, pattern.leftover, separators));
    }
  }
  x += leftover;
  out << Rect(x, plan.end_b * scale, "#999");
  out << "</svg>\n";
}

void WritePattern(std::ostream& out, const barplan::BarPlan& plan, std::size_t index, double scale,
                  const NumberSeparators& separators) {
  const barplan::PlanPattern& pattern = plan.patterns[index];
  out << "<div class=\"pattern\">\n<h2>方案 " << index + 1 << ":"
      << (pattern.from_rack ? "库存料 " : "新料 ")
      << EscapeXml(PlanLength(plan, pattern.stock_length, separators)) << ",切 " << pattern.bars
      << " 根</h2>\n";
  DrawBar(out, plan, pattern, scale, separators);
  out << "<p class=\"note\">切法(从左到右):" << EscapeXml(CutsText(plan, pattern, separators))
      << ";每根 " << pattern.pieces << " 段";
  if (pattern.leftover > 0) {
    out << ",剩 " << EscapeXml(PlanLength(plan, pattern.leftover, separators))
        << (pattern.offcut ? "(回库存)" : "(废料)");
  }
  out << "</p>\n<p class=\"tally\">";
  if (pattern.bars <= kMostBoxes) {
    for (std::int64_t n = 0; n < pattern.bars; ++n) out << "□";
  } else {
    out << "共 " << pattern.bars << " 根";
  }
  out << "</p>\n</div>\n";
}

}  // namespace

void WriteSawSheetBody(std::ostream& out, const barplan::BarPlan& plan,
                       const NumberSeparators& separators) {
  out << "<p class=\"note\">锯缝 " << EscapeXml(PlanLength(plan, plan.kerf, separators))
      << ",两端端头 " << EscapeXml(PlanLength(plan, plan.end_a, separators)) << " 和 "
      << EscapeXml(PlanLength(plan, plan.end_b, separators)) << ";剩下不短于 "
      << EscapeXml(PlanLength(plan, plan.min_offcut, separators))
      << " 的回库存作余料,更短的为废料。图中各根料按同一比例绘制,灰色为端头,黑线为锯缝。</p>\n";
  WriteTotals(out, plan, separators);
  double longest = 0.0;
  for (const barplan::PlanPattern& pattern : plan.patterns) {
    longest = std::max(longest, pattern.stock_length);
  }
  const double scale = longest > 0 ? kBarLength / longest : 1.0;
  for (std::size_t i = 0; i < plan.patterns.size(); ++i) {
    WritePattern(out, plan, i, scale, separators);
  }
}

void WriteSawSheet(std::ostream& out, const barplan::BarPlan& plan,
                   const NumberSeparators& separators) {
  out << "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n"
         "<title>下料方案</title>\n"
      << Style() << "</head>\n<body>\n<h1>下料方案</h1>\n";
  WriteSawSheetBody(out, plan, separators);
  out << "</body>\n</html>\n";
}

}  // namespace segcalc

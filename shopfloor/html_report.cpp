#include "shopfloor/html_report.h"

#include <algorithm>
#include <cmath>
#include <ostream>

#include "shopfloor/arc_geometry.h"
#include "shopfloor/full_size_pages.h"
#include "shopfloor/plain_number.h"
#include "shopfloor/svg_shapes.h"

namespace segcalc {
namespace {

constexpr const char* kStyle = R"(<style>
@page { size: A4 portrait; margin: 10mm; }
html, body { margin: 0; padding: 0; }
body { font-family: "Noto Sans CJK SC", "Noto Sans SC", "Microsoft YaHei", SimSun, sans-serif;
       font-size: 10pt; color: #000; width: 190mm; }
h1 { font-size: 16pt; margin: 0 0 4mm 0; }
h2 { font-size: 12pt; margin: 6mm 0 2mm 0; }
table { border-collapse: collapse; }
td, th { border: 0.2mm solid #888; padding: 0.8mm 2mm; text-align: right; }
th { background: #eee; }
td.label, th.label { text-align: left; }
p.note { margin: 1mm 0; font-size: 9pt; }
.ordinates { columns: 3; column-gap: 6mm; }
.ordinates table { width: 100%; font-size: 8.5pt; break-inside: avoid-column; }
svg.overview { display: block; width: 180mm; height: 110mm; border: 0.2mm solid #ccc; }
svg.defs { position: absolute; }
.keep { break-inside: avoid; page-break-inside: avoid; }
.sheet { width: 190mm; height: 276mm; overflow: hidden; break-before: page;
         page-break-before: always; }
.sheet-head { height: 21mm; }
.tile-label { font-size: 11pt; margin-bottom: 1mm; }
.hint { font-size: 8pt; }
svg.check-bar { display: block; }
svg.tile { display: block; margin-top: 5mm; }
@media screen {
  body { margin: 5mm auto; }
  .sheet { border: 0.3mm dashed #999; margin-top: 5mm; }
}
</style>
)";

double Field(const ExactSegment& s, int index) {
  const double fields[] = {s.arc, s.chord, s.height, s.radius, s.angle};
  return fields[index];
}

void WriteGiven(std::ostream& out, const ShopReport& report) {
  out << "<h2>给定</h2>\n<table>\n";
  for (const ReportRow& row : report.given) {
    out << "<tr><td class=\"label\">" << EscapeXml(row.label) << "</td><td>" << EscapeXml(row.text)
        << "</td></tr>\n";
  }
  out << "</table>\n<p class=\"note\">长度单位: " << UnitSymbol(report.unit)
      << ";夹角单位: 度</p>\n";
}

void WriteResults(std::ostream& out, const ShopReport& report) {
  const NumberSeparators& sep = report.separators;
  out << "<h2>结果</h2>\n<table>\n<tr><th class=\"label\"></th><th>计算器(π 取 3.14)</th>"
         "<th>精确(真 π)</th><th>差(精确 − 计算器)</th></tr>\n";
  for (int i = 0; i < 5; ++i) {
    out << "<tr><td class=\"label\">" << QuantityLabel(static_cast<Quantity>(i)) << "</td><td>";
    if (i < static_cast<int>(report.calculator_texts.size())) {
      out << EscapeXml(report.calculator_texts[i]);
    }
    out << "</td><td>";
    if (report.exact.segment) out << FormatTwoPlaces(Field(*report.exact.segment, i), sep);
    out << "</td><td>";
    if (report.exact.segment && report.calculator_values) {
      out << FormatTwoPlaces(Field(*report.exact.segment, i) - Field(*report.calculator_values, i),
                             sep);
    }
    out << "</td></tr>\n";
  }
  out << "</table>\n";
  if (!report.calculator_note.empty()) {
    out << "<p class=\"note\">计算器: " << EscapeXml(report.calculator_note) << "</p>\n";
  }
  if (!report.exact.segment) {
    out << "<p class=\"note\">精确解: " << EscapeXml(report.exact.reason) << "</p>\n";
  } else if (report.exact.had_two) {
    const ExactSegment& other = report.exact.other;
    out << "<p class=\"note\">这两个量还确定另一个圆弧(未采用): 夹角 "
        << FormatTwoPlaces(other.angle, sep) << ",半径 " << FormatTwoPlaces(other.radius, sep)
        << ",弧长 " << FormatTwoPlaces(other.arc, sep) << ",弦长 "
        << FormatTwoPlaces(other.chord, sep) << ",弦高 " << FormatTwoPlaces(other.height, sep)
        << "。</p>\n";
  }
}

void WriteOrdinates(std::ostream& out, const ShopReport& report, const ExactSegment& segment) {
  const NumberSeparators& sep = report.separators;
  out << "<h2>放样表</h2>\n<p class=\"note\">自弦的中点起,沿弦每隔 "
      << FormatTwoPlaces(report.ordinate_step, sep) << " 取一点,y 为该点到圆弧的垂直距离(单位 "
      << UnitSymbol(report.unit) << ")。";
  if (segment.angle > 180) {
    out << "圆弧大于半圆,两端伸出弦外:弦内各点给出到圆弧远侧的距离;弦的两端各列两行,"
           "0 为圆弧端点,另一行为同一垂线与圆弧远侧的交点。弦外伸出部分见实物尺寸图。";
  }
  out << "</p>\n";
  if (!report.ordinates.error.empty()) {
    out << "<p class=\"note\">" << EscapeXml(report.ordinates.error) << "</p>\n";
    return;
  }
  const std::vector<Ordinate>& rows = report.ordinates.rows;
  const std::size_t per_column = (rows.size() + 2) / 3;
  out << "<div class=\"ordinates\">\n";
  for (std::size_t start = 0; start < rows.size(); start += per_column) {
    out << "<table><tr><th>x</th><th>y</th></tr>\n";
    for (std::size_t i = start; i < std::min(rows.size(), start + per_column); ++i) {
      out << "<tr><td>" << FormatTwoPlaces(rows[i].x, sep) << "</td><td>"
          << FormatTwoPlaces(rows[i].y, sep) << "</td></tr>\n";
    }
    out << "</table>\n";
  }
  out << "</div>\n";
}

// The whole arc scaled into a 180 by 110 mm box, with its measurements.
void WriteOverview(std::ostream& out, const ShopReport& report, const ExactSegment& segment) {
  const NumberSeparators& sep = report.separators;
  const ArcLayout arc = LayOutArc(segment, 1);
  const double scale = std::min(150 / (arc.max_x - arc.min_x), 70 / arc.height);
  const SvgFrame frame{scale, 90, 18 + arc.height * scale};
  const auto text = [&](double x, double y, const std::string& words, const char* anchor) {
    return SvgText(frame, x, y, words,
                   std::string("font-size=\"3.5\" text-anchor=\"") + anchor + "\"");
  };
  const std::string unit(UnitSymbol(report.unit));
  out << "<div class=\"keep\"><h2>总图</h2>\n<svg class=\"overview\" viewBox=\"0 0 180 110\">\n";
  out << SvgLine(frame, -arc.half_chord, 0, arc.half_chord, 0,
                 "stroke=\"#06c\" stroke-width=\"0.3\" stroke-dasharray=\"3 1.5\"");
  out << SvgLine(frame, 0, 0, 0, arc.height, "stroke=\"#090\" stroke-width=\"0.3\"");
  if (!report.ordinates.rows.empty()) {
    for (const Ordinate& o : report.ordinates.rows) {
      if (o.y > 0) out << SvgLine(frame, o.x, 0, o.x, o.y, "stroke=\"#999\" stroke-width=\"0.15\"");
    }
  }
  const double centre_on_page = frame.Y(arc.centre_y);
  if (centre_on_page > 2 && centre_on_page < 108) {
    const char* radius_style = "stroke=\"#c00\" stroke-width=\"0.2\" stroke-dasharray=\"1 1\"";
    out << SvgLine(frame, 0, arc.centre_y, -arc.half_chord, 0, radius_style);
    out << SvgLine(frame, 0, arc.centre_y, arc.half_chord, 0, radius_style);
    out << "<circle cx=\"" << PlainNumber(frame.X(0), 4) << "\" cy=\""
        << PlainNumber(centre_on_page, 4) << "\" r=\"0.8\" fill=\"#c00\"/>\n";
  }
  out << SvgArc(arc, frame, "stroke=\"#000\" stroke-width=\"0.6\"");
  // Chord dimension below the chord, with its end ticks.
  const double below = -8 / scale;
  out << SvgLine(frame, -arc.half_chord, below, arc.half_chord, below,
                 "stroke=\"#000\" stroke-width=\"0.2\"");
  for (const double x : {-arc.half_chord, arc.half_chord}) {
    out << SvgLine(frame, x, 0, x, below * 1.3, "stroke=\"#000\" stroke-width=\"0.2\"");
  }
  out << text(0, below * 1.6, "弦长 " + FormatTwoPlaces(segment.chord, sep) + " " + unit, "middle");
  out << text(1.5 / scale, arc.height / 2, "弦高 " + FormatTwoPlaces(segment.height, sep), "start");
  out << text(0, arc.height + 4 / scale, "弧长 " + FormatTwoPlaces(segment.arc, sep), "middle");
  out << "<text x=\"4\" y=\"106\" font-size=\"3.5\">半径 " << FormatTwoPlaces(segment.radius, sep)
      << " " << unit << ",夹角 " << FormatTwoPlaces(segment.angle, sep)
      << "°(总图不按比例尺量取)</text>\n";
  out << "</svg></div>\n";
}

void WriteFullSize(std::ostream& out, const ShopReport& report, const ExactSegment& segment) {
  const double scale = MillimetresPer(report.unit);
  const TileGrid grid = FullSizeGrid(segment, scale);
  out << "<h2>实物尺寸(1:1)</h2>\n";
  if (grid.count() > kMaxFullSizeSheets) {
    out << "<p class=\"note\">实物尺寸需 " << grid.count() << " 张 A4,超过 " << kMaxFullSizeSheets
        << " 张,未生成;请用放样表或 DXF 图。</p>\n";
    return;
  }
  out << "<p class=\"note\">以下 " << grid.count() << " 张 A4(" << grid.rows << " 行 × "
      << grid.columns
      << " 列)拼成实物大小的圆弧。打印时选 A4、缩放 100 %(“实际大小”,不要“适合页面”),"
         "页边距用默认或“无”均可;打印后先量每页的蓝色校验条,应为 100 mm。</p>\n";
  WriteFullSizePages(out, segment, report.ordinates.rows, scale, report.separators);
}

}  // namespace

double DefaultOrdinateStep(double chord) {
  if (!(std::isfinite(chord) && chord > 0)) return 1;
  const double target = chord / 10;
  const double power = std::pow(10.0, std::floor(std::log10(target)));
  for (const double factor : {1.0, 2.0, 5.0}) {
    if (factor * power >= target) return factor * power;
  }
  return 10 * power;
}

void WriteReport(std::ostream& out, const ShopReport& report) {
  out << "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n"
         "<title>圆弧放样报告</title>\n"
      << kStyle << "</head>\n<body>\n<h1>圆弧放样报告</h1>\n"
      << CheckBarSvg() << "<p class=\"note\">蓝条打印后应量得 100 mm。</p>\n";
  WriteGiven(out, report);
  WriteResults(out, report);
  if (report.exact.segment) {
    const ExactSegment& segment = *report.exact.segment;
    WriteOrdinates(out, report, segment);
    WriteOverview(out, report, segment);
    WriteFullSize(out, report, segment);
  }
  out << "</body>\n</html>\n";
}

}  // namespace segcalc

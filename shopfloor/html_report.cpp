#include "shopfloor/html_report.h"

#include <algorithm>
#include <cmath>
#include <ostream>

#include "calc/outcome_message.h"
#include "shopfloor/assembly_map.h"
#include "shopfloor/full_size_pages.h"
#include "shopfloor/part_picture.h"
#include "shopfloor/part_report.h"
#include "shopfloor/plain_number.h"
#include "shopfloor/svg_shapes.h"
#include "shopfloor/tile_layout.h"

namespace segcalc {
namespace {

// The paper's size and margins are the page's own, so that a browser prints
// at 100 % on the paper the sheets were cut for.
std::string Style(const SheetPaper& paper) {
  const std::string page_width = PlainNumber(paper.ContentWidth(), 2) + "mm";
  const std::string sheet_width = PlainNumber(paper.WindowWidth(), 2) + "mm";
  const std::string sheet_height = PlainNumber(paper.ContentHeight() - kSheetSpareMm, 2) + "mm";
  return "<style>\n@page { size: " + paper.CssSize() +
         "; margin: " + PlainNumber(kPageMarginMm, 2) + R"(mm; }
html, body { margin: 0; padding: 0; }
body { font-family: "Noto Sans CJK SC", "Noto Sans SC", "Microsoft YaHei", SimSun, sans-serif;
       font-size: 10pt; color: #000; width: )" +
         page_width + R"(; }
h1 { font-size: 16pt; margin: 0 0 4mm 0; }
h2 { font-size: 12pt; margin: 6mm 0 2mm 0; }
h3 { font-size: 10.5pt; margin: 4mm 0 1.5mm 0; }
table.points { font-size: 8.5pt; }
table { border-collapse: collapse; }
td, th { border: 0.2mm solid #888; padding: 0.8mm 2mm; text-align: right; }
th { background: #eee; }
td.label, th.label { text-align: left; }
p.note { margin: 1mm 0; font-size: 9pt; }
.ordinates { columns: 3; column-gap: 6mm; max-width: 190mm; }
.ordinates table { width: 100%; font-size: 8.5pt; break-inside: avoid-column; }
svg.overview { display: block; width: 180mm; height: 110mm; border: 0.2mm solid #ccc; }
svg.defs { position: absolute; }
.keep { break-inside: avoid; page-break-inside: avoid; }
.sheet { width: )" +
         sheet_width + "; height: " + sheet_height + R"(; overflow: hidden; break-before: page;
         page-break-before: always; }
.sheet-head { height: 21mm; }
.tile-label { font-size: 11pt; margin-bottom: 1mm; }
.hint { font-size: 8pt; }
svg.check-bar { display: block; }
svg.assembly { display: block; border: 0.2mm solid #ccc; }
.map-piece { margin-bottom: 3mm; }
svg.tile { display: block; margin-top: 5mm; }
@media screen {
  body { margin: 5mm auto; }
  .sheet { border: 0.3mm dashed #999; margin-top: 5mm; }
}
</style>
)";
}

void WriteRow(std::ostream& out, std::string_view label, std::string_view text) {
  out << "<tr><td class=\"label\">" << EscapeXml(label) << "</td><td>" << EscapeXml(text)
      << "</td></tr>\n";
}

// The measurement boxes as typed, empty ones too; a radius or an angle only
// where one was given.
void WriteGiven(std::ostream& out, const ComputeRecord& record, const OutputFormat& format) {
  out << "<h2>给定</h2>\n<table>\n";
  for (const Quantity quantity : kQuantities) {
    const std::string& text = record.typed.text(quantity);
    if (IsMeasurement(quantity) || !text.empty()) WriteRow(out, QuantityLabel(quantity), text);
  }
  WriteRow(out, kMinorArcCaption, CheckBoxWord(record.typed.mode));
  out << "</table>\n<p class=\"note\">长度单位: " << UnitSymbol(format.unit)
      << ";夹角单位: 度</p>\n";
}

// Why the calculator's column is empty or not its last word.
std::string CalculatorNote(const ComputeRecord& record) {
  if (!record.calculator) return "给定了半径或夹角,计算器只接受弧长,弦长,弦高,未计算";
  return OutcomeMessage(*record.calculator);
}

void WriteResults(std::ostream& out, const ComputeRecord& record, const OutputFormat& format) {
  const std::optional<ExactSegment> calculator = record.CalculatorValues();
  const std::optional<ExactSegment>& exact = record.exact.segment;
  out << "<h2>结果</h2>\n<table>\n<tr><th class=\"label\"></th><th>计算器(π 取 3.14)</th>"
         "<th>精确(真 π)</th><th>差(精确 − 计算器)</th></tr>\n";
  for (const Quantity quantity : kQuantities) {
    out << "<tr><td class=\"label\">" << QuantityLabel(quantity) << "</td><td>";
    if (calculator) out << EscapeXml(record.BoxText(quantity));
    out << "</td><td>";
    if (exact) out << format.Value(quantity, ValueOf(*exact, quantity));
    out << "</td><td>";
    if (exact && calculator) {
      out << format.Value(quantity, ValueOf(*exact, quantity) - ValueOf(*calculator, quantity));
    }
    out << "</td></tr>\n";
  }
  out << "</table>\n";
  if (const std::string note = CalculatorNote(record); !note.empty()) {
    out << "<p class=\"note\">计算器: " << EscapeXml(note) << "</p>\n";
  }
  if (!exact) {
    out << "<p class=\"note\">精确解: " << EscapeXml(record.exact.reason) << "</p>\n";
  } else if (record.exact.had_two) {
    const ExactSegment& other = record.exact.other;
    out << "<p class=\"note\">这两个量还确定另一个圆弧(未采用): 夹角 " << format.Angle(other.angle)
        << ",半径 " << format.Length(other.radius) << ",弧长 " << format.Length(other.arc)
        << ",弦长 " << format.Length(other.chord) << ",弦高 " << format.Length(other.height)
        << "。</p>\n";
  }
}

void WriteOrdinates(std::ostream& out, const ArcPart& part, const OutputFormat& format) {
  if (part.circle()) {
    out << "<h2>放样表</h2>\n<p class=\"note\">自弦的中点起,沿弦每隔 "
        << format.Length(part.ordinate_step) << " 取一点,y 为该点到圆弧的垂直距离(单位 "
        << UnitSymbol(format.unit) << ")。";
  } else {
    out << "<h2>放样表</h2>\n<p class=\"note\">自跨度的中点起,沿起拱线每隔 "
        << format.Length(part.ordinate_step) << " 取一点,y 为该点在起拱线以上的高度(单位 "
        << UnitSymbol(format.unit) << ")。";
  }
  if (part.circle() && part.circle()->angle > 180) {
    out << "圆弧大于半圆,两端伸出弦外:弦内各点给出到圆弧远侧的距离;弦的两端各列两行,"
           "0 为圆弧端点,另一行为同一垂线与圆弧远侧的交点。弦外伸出部分见实物尺寸图。";
  }
  out << "</p>\n";
  if (!part.ordinates.error.empty()) {
    out << "<p class=\"note\">" << EscapeXml(part.ordinates.error) << "</p>\n";
    return;
  }
  const std::vector<Ordinate>& rows = part.ordinates.rows;
  const std::size_t per_column = (rows.size() + 2) / 3;
  out << "<div class=\"ordinates\">\n";
  for (std::size_t start = 0; start < rows.size(); start += per_column) {
    out << "<table><tr><th>x</th><th>y</th></tr>\n";
    for (std::size_t i = start; i < std::min(rows.size(), start + per_column); ++i) {
      out << "<tr><td>" << format.Length(rows[i].x) << "</td><td>" << format.Length(rows[i].y)
          << "</td></tr>\n";
    }
    out << "</table>\n";
  }
  out << "</div>\n";
}

// The whole part scaled into a 180 by 110 mm box, with its measurements.
void WriteOverview(std::ostream& out, const ArcPart& part, const PartDrawing& drawing,
                   const OutputFormat& format) {
  out << "<div class=\"keep\"><h2>总图</h2>\n"
      << PartPictureSvg(part, drawing, format, 180, 110, "overview") << "</div>\n";
}

bool SheetsPrinted(const SheetPlan& plan) {
  return plan.examined && !plan.printed.empty() &&
         static_cast<long long>(plan.printed.size()) <= kMaxFullSizeSheets;
}

// On the first page, where the sheets go: the grid of printed sheets over a
// small drawing of the part, in as many pieces as keep its labels readable.
void WriteAssemblyMap(std::ostream& out, const PartDrawing& drawing, const SheetPlan& plan) {
  if (!SheetsPrinted(plan)) return;
  const SheetPaper& paper = plan.paper;
  // Within the map's border, and a piece with its caption on a page under
  // the map's heading.
  const std::vector<std::string> pieces =
      AssemblyMap(drawing, plan, paper.ContentWidth() - 10, paper.ContentHeight() - 60);
  out << "<div class=\"keep\"><h2>拼接图</h2>\n<p class=\"note\">实物尺寸图共 "
      << plan.printed.size() << " 张(" << paper.Words() << "),按下图的行与列拼接";
  if (!paper.roll) {
    out << ";空白的 " << plan.grid.count() - static_cast<long long>(plan.printed.size())
        << " 张不打印";
  }
  if (pieces.size() > 1) out << ";图分 " << pieces.size() << " 块,每块注明所含的列与行";
  out << "。</p>\n";
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    out << pieces[i] << (i == 0 ? "</div>\n" : "");
  }
}

void WriteFullSize(std::ostream& out, const PartDrawing& drawing, const SheetPlan& plan) {
  const std::string paper = plan.paper.Words();
  out << "<h2>实物尺寸(1:1)</h2>\n";
  if (!SheetsPrinted(plan)) {
    const long long needed =
        plan.examined ? static_cast<long long>(plan.printed.size()) : plan.grid.count();
    out << "<p class=\"note\">实物尺寸需 " << needed << " 张 " << paper << ",超过 "
        << kMaxFullSizeSheets << " 张,未生成;请用放样表或 DXF 图。</p>\n";
    return;
  }
  out << "<p class=\"note\">以下 " << plan.printed.size() << " 张 " << paper
      << " 拼成实物大小的圆弧,各页的行与列见拼接图。打印时纸张选 " << paper
      << "、缩放 100 %(“实际大小”,不要“适合页面”),页边距用默认或“无”均可;"
         "打印后先量每页的蓝色校验条,应为 100 mm。";
  if (plan.paper.roll) out << "每条按其长度出纸。";
  if (drawing.guides == GuideLines::Ticks) {
    out << "弦与纵距只在与圆弧相交处和弦的两端画出短标记并注明数值,只打印圆弧经过的页。";
  }
  out << "</p>\n";
  WriteFullSizePages(out, drawing, plan);
}

void WriteHead(std::ostream& out, std::string_view title, const SheetPaper& paper) {
  out << "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n<title>"
      << title << "</title>\n"
      << Style(paper) << "</head>\n<body>\n<h1>" << title << "</h1>\n"
      << CheckBarSvg() << "<p class=\"note\">蓝条打印后应量得 100 mm。</p>\n";
}

// Everything after what was given: the part, its table, its picture and its
// full-size sheets.
void WritePartAndEnd(std::ostream& out, const ArcPart* part, const OutputFormat& format) {
  if (part) {
    // The overview shows the lines in full; the sheets as asked.
    const PartDrawing drawing = DrawPart(*part, format);
    const PartDrawing sheets =
        DrawPart(*part, format, format.sheets.full_lines ? GuideLines::Full : GuideLines::Ticks);
    const SheetPlan plan = PlanSheets(sheets, format.sheets.paper);
    WriteAssemblyMap(out, sheets, plan);
    WritePartSection(out, *part, format);
    WriteOrdinates(out, *part, format);
    WriteOverview(out, *part, drawing, format);
    WriteFullSize(out, sheets, plan);
  }
  out << "</body>\n</html>\n";
}

}  // namespace

void WriteReport(std::ostream& out, const ComputeRecord& record, const ArcPart* part,
                 const OutputFormat& format) {
  WriteHead(out, "圆弧放样报告", format.sheets.paper);
  WriteGiven(out, record, format);
  WriteResults(out, record, format);
  WritePartAndEnd(out, part, format);
}

void WriteHeadReport(std::ostream& out, const std::vector<GivenText>& given, const ArcPart& part,
                     const OutputFormat& format) {
  WriteHead(out, "拱形放样报告", format.sheets.paper);
  out << "<h2>给定</h2>\n<table>\n";
  for (const GivenText& row : given) WriteRow(out, row.label, row.text);
  out << "</table>\n<p class=\"note\">长度单位: " << UnitSymbol(format.unit)
      << ";所有尺寸按真 π 计算</p>\n";
  WritePartAndEnd(out, &part, format);
}

}  // namespace segcalc

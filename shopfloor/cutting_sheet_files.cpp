#include "shopfloor/cutting_sheet_files.h"

#include <algorithm>
#include <ostream>

#include "shopfloor/csv_rows.h"
#include "shopfloor/output_files.h"
#include "shopfloor/svg_shapes.h"

namespace segcalc {
namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return text;
}

constexpr const char* kStyle = R"(<style>
@page { size: A4 landscape; margin: 10mm; }
html, body { margin: 0; padding: 0; }
body { font-family: "Noto Sans CJK SC", "Noto Sans SC", "Microsoft YaHei", SimSun, sans-serif;
       font-size: 8.5pt; color: #000; }
h1 { font-size: 14pt; margin: 0 0 3mm 0; }
h2 { font-size: 11pt; margin: 5mm 0 2mm 0; }
table { border-collapse: collapse; }
td, th { border: 0.2mm solid #888; padding: 0.6mm 1.5mm; text-align: right; white-space: nowrap; }
th { background: #eee; }
td.text, th.text { text-align: left; }
tr { break-inside: avoid; page-break-inside: avoid; }
thead { display: table-header-group; }
tr.failed td { color: #a00000; }
@media screen { body { margin: 5mm; } }
</style>
)";

}  // namespace

void WriteSheetHtml(std::ostream& out, const CuttingSheet& sheet, const OutputFormat& format) {
  const SheetTotals totals = TotalsOf(sheet);
  out << "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n"
         "<title>下料单</title>\n"
      << kStyle << "</head>\n<body>\n<h1>下料单</h1>\n<table>\n<thead><tr>";
  const std::vector<std::string> header = SheetHeader(sheet);
  for (std::size_t i = 0; i < header.size(); ++i) {
    out << "<th" << (i == 1 || i == 3 || i + 1 == header.size() ? " class=\"text\"" : "") << ">"
        << EscapeXml(header[i]) << "</th>";
  }
  out << "</tr></thead>\n<tbody>\n";
  for (const SheetRow& row : sheet.rows) {
    out << "<tr" << (row.cut_length ? "" : " class=\"failed\"") << ">";
    const std::vector<std::string> cells = SheetCells(row);
    for (std::size_t i = 0; i < cells.size(); ++i) {
      out << "<td" << (i == 1 || i == 3 || i + 1 == cells.size() ? " class=\"text\"" : "") << ">"
          << EscapeXml(cells[i]) << "</td>";
    }
    out << "</tr>\n";
  }
  out << "</tbody>\n</table>\n";
  if (sheet.cut_short) {
    out << "<p>下料单超过 " << kMaxSheetLines << " 行,只列出前 " << kMaxSheetLines << " 行。</p>\n";
  }
  out << "<h2>合计</h2>\n<table>\n<tr><td class=\"text\">行数</td><td>" << totals.lines
      << "</td></tr>\n<tr><td class=\"text\">无零件的行</td><td>" << totals.without_part
      << "</td></tr>\n<tr><td class=\"text\">零件数</td><td>" << totals.parts
      << "</td></tr>\n<tr><td class=\"text\">" << EscapeXml("总" + sheet.cut_label) << "</td><td>"
      << format.Length(totals.cut_length) << "</td></tr>\n</table>\n";
  out << "<h2>相同零件</h2>\n<table>\n<tr><th class=\"text\">行</th><th class=\"text\">编号</th>"
         "<th>合计数量</th><th>"
      << EscapeXml(sheet.cut_label) << "</th></tr>\n";
  for (const SheetGroup& group : totals.groups) {
    out << "<tr><td class=\"text\">" << GroupLines(group) << "</td><td class=\"text\">"
        << EscapeXml(GroupMarks(group)) << "</td><td>" << group.quantity << "</td><td>"
        << format.Length(*group.first->cut_length) << "</td></tr>\n";
  }
  out << "</table>\n</body>\n</html>\n";
}

void WriteSheetCsv(std::ostream& out, const CuttingSheet& sheet, const OutputFormat& format) {
  const SheetTotals totals = TotalsOf(sheet);
  const char delimiter = CsvDelimiter(format.separators);
  out << kUtf8Mark;
  WriteCsvRow(out, SheetHeader(sheet), delimiter);
  for (const SheetRow& row : sheet.rows) WriteCsvRow(out, SheetCells(row), delimiter);
  out << "\r\n";
  WriteCsvRow(out, {"行数", std::to_string(totals.lines)}, delimiter);
  WriteCsvRow(out, {"无零件的行", std::to_string(totals.without_part)}, delimiter);
  WriteCsvRow(out, {"零件数", std::to_string(totals.parts)}, delimiter);
  WriteCsvRow(out, {"总" + sheet.cut_label, format.Length(totals.cut_length)}, delimiter);
  out << "\r\n";
  WriteCsvRow(out, {"相同零件", "编号", "合计数量", sheet.cut_label}, delimiter);
  for (const SheetGroup& group : totals.groups) {
    WriteCsvRow(out,
                {GroupLines(group), GroupMarks(group), std::to_string(group.quantity),
                 format.Length(*group.first->cut_length)},
                delimiter);
  }
}

bool IsSheetFileName(const std::filesystem::path& path) {
  const std::string extension = Lower(path.extension().string());
  return extension == ".html" || extension == ".htm" || extension == ".csv";
}

bool WriteSheetFile(const std::filesystem::path& path, const CuttingSheet& sheet,
                    const OutputFormat& format) {
  if (!IsSheetFileName(path)) return false;
  const bool csv = Lower(path.extension().string()) == ".csv";
  return WriteFile(path, [&](std::ostream& out) {
    if (csv) {
      WriteSheetCsv(out, sheet, format);
    } else {
      WriteSheetHtml(out, sheet, format);
    }
  });
}

}  // namespace segcalc

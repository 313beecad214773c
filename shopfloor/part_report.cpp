#include "shopfloor/part_report.h"

#include <ostream>
#include <string>
#include <vector>

#include "shopfloor/part_sections.h"
#include "shopfloor/svg_shapes.h"

namespace segcalc {
namespace {

void WriteValueTable(std::ostream& out, const std::vector<const SectionValue*>& values) {
  out << "<table>\n";
  for (const SectionValue* value : values) {
    out << "<tr><td class=\"label\">" << EscapeXml(value->label) << "</td><td>"
        << EscapeXml(value->text) << "</td></tr>\n";
  }
  out << "</table>\n";
}

// Values of a grid in one table: a row per face, a column per quantity.
void WriteGrid(std::ostream& out, const std::vector<const SectionValue*>& values) {
  std::vector<std::string> rows, columns;
  const auto add = [](std::vector<std::string>& keys, const std::string& key) {
    for (const std::string& known : keys) {
      if (known == key) return;
    }
    keys.push_back(key);
  };
  for (const SectionValue* value : values) add(rows, value->row), add(columns, value->column);
  out << "<table>\n<tr><th class=\"label\"></th>";
  for (const std::string& column : columns) out << "<th>" << EscapeXml(column) << "</th>";
  out << "</tr>\n";
  for (const std::string& row : rows) {
    out << "<tr><td class=\"label\">" << EscapeXml(row) << "</td>";
    for (const std::string& column : columns) {
      out << "<td>";
      for (const SectionValue* value : values) {
        if (value->row == row && value->column == column) out << EscapeXml(value->text);
      }
      out << "</td>";
    }
    out << "</tr>\n";
  }
  out << "</table>\n";
}

// A block's values, grids and plain values each in a table of their own.
void WriteValues(std::ostream& out, const std::vector<SectionValue>& values) {
  std::vector<const SectionValue*> run;
  bool grid = false;
  const auto flush = [&] {
    if (run.empty()) return;
    if (grid) {
      WriteGrid(out, run);
    } else {
      WriteValueTable(out, run);
    }
    run.clear();
  };
  for (const SectionValue& value : values) {
    const bool in_grid = !value.row.empty();
    if (in_grid != grid) flush();
    grid = in_grid;
    run.push_back(&value);
  }
  flush();
}

void WriteTable(std::ostream& out, const SectionTable& table) {
  out << "<table class=\"points\"><tr>";
  for (const std::string& column : table.columns) out << "<th>" << EscapeXml(column) << "</th>";
  out << "</tr>\n";
  for (const std::vector<std::string>& row : table.rows) {
    out << "<tr>";
    for (const std::string& cell : row) out << "<td>" << EscapeXml(cell) << "</td>";
    out << "</tr>\n";
  }
  out << "</table>\n";
}

}  // namespace

void WritePartSection(std::ostream& out, const ArcPart& part, const OutputFormat& format) {
  const SectionLayout layout = LayoutOf(part);
  if (!layout.head && !layout.profile && !layout.divisions && !layout.stations && !layout.area) {
    return;
  }
  out << "<h2>下料</h2>\n";
  for (const std::string& error : part.Errors()) {
    out << "<p class=\"note\">" << EscapeXml(error) << "</p>\n";
  }
  for (const PartSection& section : PartSections(&part, layout, format)) {
    if (!section.filled) continue;
    out << "<h3>" << EscapeXml(section.title) << "</h3>\n";
    if (!section.note.empty()) out << "<p class=\"note\">" << EscapeXml(section.note) << "</p>\n";
    for (const SectionBlock& block : section.blocks) {
      WriteValues(out, block.values);
      if (block.table) WriteTable(out, *block.table);
    }
  }
}

}  // namespace segcalc

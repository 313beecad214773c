#pragma once

#include <optional>
#include <string>
#include <vector>

#include "geometry/arc_part.h"
#include "shopfloor/output_format.h"

namespace segcalc {

// The part as every writer shows it: sections of named values and tables of
// points, built once here and rendered by segcalc-cli's lines, a batch's
// columns, the report's 下料 section and the web page.

// One value. segcalc-cli prints it as `label<TAB>text`, a batch names its
// column by the label, the report and the page list it under it.
struct SectionValue {
  std::string label;
  std::string text;
  // Values of a grid (a face's row, a quantity's column) the report and the
  // page set in one table; empty for a value that stands alone.
  std::string row;
  std::string column;
  bool in_lines = true;    // segcalc-cli prints it
  bool in_columns = true;  // a batch has a column for it
};

// Rows of points or pieces, segcalc-cli printing each as `line_label<TAB>`
// and its cells. Never a batch column: their number varies from line to line.
struct SectionTable {
  std::string line_label;
  std::string title;
  std::vector<std::string> columns;
  std::vector<std::vector<std::string>> rows;
};

// A run of values, or one table.
struct SectionBlock {
  std::vector<SectionValue> values;
  std::optional<SectionTable> table;
};

struct PartSection {
  std::string title;
  std::string note;  // for the report and the page
  std::vector<SectionBlock> blocks;
  // Built from values: false for labels alone, where the part was not asked
  // for or was refused (a batch still gives those their empty cells).
  bool filled = false;
};

// Which sections there are and which values they hold, whatever the values:
// a batch's columns are named from it before any line is computed.
struct SectionLayout {
  bool head = false;           // the 拱形 section: the shape was named
  bool segment_values = true;  // a segment: the profile and area as they always were
  bool uniform_pieces = true;  // one circle: every division piece alike
  bool legs = false;
  bool ellipse = false;
  bool profile = false;
  bool divisions = false;
  bool stations = false;
  bool area = false;
};

// From the shape named (none: a segment, without the 拱形 section), whether
// the head is a quarter or has legs, and what was asked for.
SectionLayout LayoutOf(std::optional<ArchShape> shape, bool quarter, bool legs,
                       const PartRequest& request);
// A part's own: what it was asked for is what it holds.
SectionLayout LayoutOf(const ArcPart& part);

// The sections of a part; with no part, each value's label with an empty
// text and no table rows: a batch's header, and a line that has no part.
std::vector<PartSection> PartSections(const ArcPart* part, const SectionLayout& layout,
                                      const OutputFormat& format);

// The labels of the values a batch has columns for, in order.
std::vector<std::string> ColumnLabels(const std::vector<PartSection>& sections);
// Their texts, in the same order.
std::vector<std::string> ColumnTexts(const std::vector<PartSection>& sections);

// segcalc-cli's lines: every value and table row meant for them.
std::string SectionLines(const std::vector<PartSection>& sections);

}  // namespace segcalc

#pragma once

#include <string>
#include <string_view>

#include "geometry/compute_record.h"
#include "shopfloor/output_format.h"

namespace segcalc {

// 精确弧长, 精确弦长, ...: the label of a quantity's exact value.
std::string ExactLabel(Quantity quantity);

// For each of the five quantities in order, a tab and what its box shows
// after the compute.
void AppendBoxColumns(std::string& line, const ComputeRecord& record);

// For each of the five quantities in order, a tab and its exact value; the
// tabs alone when there is no exact circle, so every line keeps its columns.
void AppendExactColumns(std::string& line, const ComputeRecord& record, const OutputFormat& format);

// The five boxes as 'label<TAB>text' lines, as segcalc-cli prints them.
std::string BoxLines(const ComputeRecord& record);
// The exact circle's five values as 'label<TAB>value' lines.
std::string ExactLines(const ExactSegment& segment, const OutputFormat& format);

// 复制结果: a header line of labels and one line of values, tab-separated,
// ready to paste into a spreadsheet: the calculator's five boxes, or the exact
// values where it found none. A tab or line break in a typed text becomes a
// blank, so the copy stays one row of five cells.
std::string ResultsTable(const ComputeRecord& record, const OutputFormat& format);

}  // namespace segcalc

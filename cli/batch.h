#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include <vector>

#include "cli/cutting_list.h"
#include "geometry/compute_record.h"
#include "shopfloor/cutting_sheet.h"

namespace segcalc {

struct ParsedBatchLine {
  // The three box texts and the check box: the check value 1, or none, ticks it.
  std::optional<TypedInput> line;
  std::string error;  // why the line is invalid, when line is empty
};

// Splits a line of a plain list, 'arc<TAB>chord<TAB>height[<TAB>check
// [<TAB>quantity]]'; a trailing carriage return is dropped first.
ParsedBatchLine ParseBatchLine(std::string_view text);

// The output line for a computed input line, without the line end.
std::string BatchResultLine(const ComputeRecord& record);

// The output line for an invalid input line: its first three fields as given.
std::string InvalidLineResult(std::string_view text, const ListLayout& layout = {});

// What one input line gives: the output line (empty for an empty line) and,
// for an invalid line or an output file not written, the message for standard
// error and the exit status it calls for; all without the line end.
struct BatchLineOutput {
  std::string result;
  std::string message;  // one line per fault
  int status = 0;
  // One part's length at the saw, where the line has a part: its 下料长度,
  // else its arc's (a head's) length.
  std::optional<double> cut_length;
  // The line as the cutting sheet shows it, when a sheet or a plan is asked for.
  std::optional<SheetRow> row;
};

// Columns added after the six of every line (the exact values, what the shop
// makes), and the files a line writes.
struct BatchColumns {
  ExactCircle exact = ExactCircle::Skip;  // whether the columns need the exact circle
  std::vector<std::string> names;         // for the output's header line
  // Adds a tab and a cell per column to a line's output, after its compute:
  // the line's number and its record (null for an invalid line). Runs on
  // whichever worker computed the line, so it must be safe to call from
  // several threads at once.
  std::function<void(long number, const ComputeRecord* record, BatchLineOutput& output)> append;
  // Whether each line's sheet row is made (for --sheet and --plan), and
  // which of the output's cells after 结果 the sheet shows, in its order,
  // under what names, and what its length at the saw is called.
  bool sheet_rows = false;
  std::vector<std::size_t> sheet_cells;
  std::vector<std::string> sheet_columns;
  std::string cut_label;
  // Heads named by --shape or a 拱形 column: each line is worked out by this
  // instead of the calculator (its chord and height fields are the span and
  // rise), giving the whole output line; an invalid line (null) gets its
  // empty cells. Safe to call from several threads at once.
  std::function<void(const ListLine* line, long number, BatchLineOutput& output)> compute;
};

// The columns for a list, once its first line has said how it is written.
using ColumnsFor = std::function<BatchColumns(const ListLayout& layout)>;

// The output's own header line: 结果, the five quantities, the added columns,
// and those a named list's line echoes.
std::string BatchHeaderLine(const BatchColumns& columns, const ListLayout& layout = {});

// Writes one line's output: the message, if any, to err, then the result line
// to out. The caller flushes out once no further line is ready.
void WriteBatchLineOutput(const BatchLineOutput& output, std::ostream& out, std::ostream& err);

// number is the line's 1-based position in the input; layout, as its first
// line says the list is written.
BatchLineOutput ProcessBatchLine(std::string_view text, long number,
                                 const NumberSeparators& separators,
                                 const BatchColumns& columns = {}, const ListLayout& layout = {});

// Computes every line of the input with the given number of worker threads,
// writing each result, in input order, as soon as it and all before it are
// known. The input may be UTF-8 or UTF-16 behind a byte-order mark
// (cli/input_encoding.h). Returns the exit status: the highest any line
// called for (1 for an invalid line, 3 for a file not written), else 0.
// Part of segcalc_cli_app (batch_run.cpp): the thread-free segcalc_batch,
// which has everything above, leaves it out.
// With a sheet, each line's row is kept there as it is written.
int RunBatch(std::istream& in, std::ostream& out, std::ostream& err,
             const NumberSeparators& separators, unsigned jobs = 1,
             const ColumnsFor& columns_for = {}, CuttingSheet* sheet = nullptr);

// A line's row on the sheet, from its output and what was read.
SheetRow SheetRowOf(const BatchColumns& columns, long number, const BatchLineOutput& output,
                    const ListLine* line, const ComputeRecord* record,
                    const NumberSeparators& separators);

// Keeps a written line's row on the sheet, up to kMaxSheetLines.
void KeepRow(const BatchLineOutput& output, CuttingSheet* sheet);

// The order of the sheet's columns for a list's output columns (after 结果):
// 半径 and 下料长度 first, then the rest, the mark and quantity aside (the
// sheet shows them in columns of their own).
void SetSheetColumns(const std::vector<std::string>& names, const ListLayout& layout,
                     BatchColumns& columns);

}  // namespace segcalc

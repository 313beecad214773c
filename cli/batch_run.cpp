// RunBatch, apart from the per-line code in batch.cpp: it reads the whole
// input and may hand it to worker threads, which a build without threads (the
// web page) leaves out.
#include <algorithm>
#include <istream>
#include <ostream>
#include <string>

#include "cli/batch.h"
#include "cli/exit_status.h"
#include "cli/input_encoding.h"
#include "cli/parallel_batch.h"

namespace segcalc {

int RunBatch(std::istream& raw_in, std::ostream& out, std::ostream& err,
             const NumberSeparators& separators, unsigned jobs, const ColumnsFor& columns_for,
             CuttingSheet* sheet) {
  DecodedInput decoded(raw_in);
  std::istream& in = decoded.stream();
  // The first line says how the list is written, and so which columns
  // every line gets.
  std::string text;
  if (!std::getline(in, text)) return kExitOk;
  const ListLayout layout = ReadListLayout(text);
  const BatchColumns columns = columns_for ? columns_for(layout) : BatchColumns{};
  if (sheet) {
    sheet->columns = columns.sheet_columns;
    sheet->cut_label = columns.cut_label;
  }
  const BatchLineOutput first = ProcessBatchLine(text, 1, separators, columns, layout);
  WriteBatchLineOutput(first, out, err);
  KeepRow(first, sheet);
  if (in.rdbuf()->in_avail() <= 0) out.flush();
  if (jobs > 1) {
    return std::max(first.status,
                    RunParallelBatch(in, out, err, separators, jobs, columns, layout, 2, sheet));
  }
  int status = first.status;
  // Results that can no longer be written are not worth computing.
  for (long number = 2; out && std::getline(in, text); ++number) {
    const BatchLineOutput output = ProcessBatchLine(text, number, separators, columns, layout);
    status = std::max(status, output.status);
    WriteBatchLineOutput(output, out, err);
    KeepRow(output, sheet);
    // Each result reaches its reader as soon as the next line is not there
    // yet; a list read from a file is written in blocks.
    if (in.rdbuf()->in_avail() <= 0) out.flush();
  }
  return status;
}

}  // namespace segcalc

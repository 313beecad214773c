#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "calc/compute_request.h"

namespace segcalc {

// One input line of a batch: the three box texts and the check box value.
struct BatchLine {
  std::string arc;
  std::string chord;
  std::string height;
  int check_value = 1;
};

struct ParsedBatchLine {
  std::optional<BatchLine> line;
  std::string error;  // why the line is invalid, when line is empty
};

// Splits 'arc<TAB>chord<TAB>height[<TAB>check]'; a trailing carriage return is
// dropped first.
ParsedBatchLine ParseBatchLine(std::string_view text);

// The output line for a computed input line, without the line end.
std::string BatchResultLine(const BatchLine& line, const ComputeOutcome& outcome);

// The output line for an invalid input line: its first three fields as given.
std::string InvalidLineResult(std::string_view text);

// What one input line gives: the output line (empty for an empty line) and,
// for an invalid line, the message for standard error; both without the line
// end.
struct BatchLineOutput {
  std::string result;
  std::string message;  // empty unless the line is invalid
};

// Adds to a line's output after its compute: the line's number, the line and
// its outcome (both null for an invalid line). Runs on whichever worker
// computed the line, so it must be safe to call from several threads at once.
using BatchLineHook = std::function<void(long number, const BatchLine* line,
                                         const ComputeOutcome* outcome, BatchLineOutput& output)>;

// Writes one line's output: the message, if any, to err, then the result line
// to out. The caller flushes out once no further line is ready.
void WriteBatchLineOutput(const BatchLineOutput& output, std::ostream& out, std::ostream& err);

// number is the line's 1-based position in the input.
BatchLineOutput ProcessBatchLine(std::string_view text, long number,
                                 const NumberSeparators& separators,
                                 const BatchLineHook& hook = {});

// Computes every line of the input with the given number of worker threads,
// writing each result, in input order, as soon as it and all before it are
// known. The input may be UTF-8 or UTF-16 behind a byte-order mark
// (cli/input_encoding.h). Returns the exit status: 1 when any line was
// invalid, else 0.
int RunBatch(std::istream& in, std::ostream& out, std::ostream& err,
             const NumberSeparators& separators, unsigned jobs = 1, const BatchLineHook& hook = {});

}  // namespace segcalc

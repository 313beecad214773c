#pragma once

#include <cstddef>
#include <iosfwd>

#include "calc/number_text.h"
#include "cli/batch.h"

namespace segcalc {

// Lines in flight per worker: enough that a slow line does not leave the
// others idle while the writer waits for it.
inline constexpr std::size_t kBatchLinesPerWorker = 8;

// Writes one line's output: the message, if any, to err, then the result line
// to out, flushed at once so that a reader sees it without delay.
void WriteBatchLineOutput(const BatchLineOutput& output, std::ostream& out, std::ostream& err);

// RunBatch on several worker threads. The calling thread reads, the workers
// compute and write the results in input order, each as soon as it and all
// before it are done. At most a fixed window of lines, a few per worker, is in
// flight, so memory stays bounded however long the input is.
int RunParallelBatch(std::istream& in, std::ostream& out, std::ostream& err,
                     const NumberSeparators& separators, unsigned jobs,
                     const BatchLineHook& hook = {});

}  // namespace segcalc

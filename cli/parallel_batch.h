#pragma once

#include <cstddef>
#include <iosfwd>

#include "calc/number_text.h"
#include "cli/batch.h"

namespace segcalc {

// Lines in flight per worker: room for a few chunks each, so that a slow line
// does not leave the others idle while the writer waits for it.
inline constexpr std::size_t kBatchLinesPerWorker = 64;

// RunBatch on several worker threads, which read, compute and write the
// results in input order, each as soon as it and all before it are done. At
// most a fixed window of lines, and of bytes, is in flight, so memory stays
// bounded however long the input is.
// The lines are numbered from first_number on, the list written as layout
// says.
int RunParallelBatch(std::istream& in, std::ostream& out, std::ostream& err,
                     const NumberSeparators& separators, unsigned jobs,
                     const BatchColumns& columns = {}, const ListLayout& layout = {},
                     long first_number = 1, CuttingSheet* sheet = nullptr);

}  // namespace segcalc

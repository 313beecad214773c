#pragma once

#include <iosfwd>

#include "cli/batch.h"
#include "cli/cli_options.h"
#include "geometry/arc_part.h"

namespace segcalc {

// A head named by --shape, computed once: its 拱形 lines, the ordinates, the
// part's lines, the report and the drawing. The calculator does not run.
// Returns the exit status: 0, 1 (no such head, a part refused), 2 (unusable
// values) or 3 (a file not written).
int WriteHeadOutputs(const CliOptions& options, std::ostream& out, std::ostream& err,
                     const NumberSeparators& separators);

// The batch columns of a named head: each line's chord and height fields are
// its span and rise, its output `solved` (or `no-solution` with the reason)
// with the arch's length, span, rise, its radius and angle where it has one
// circle, then the 拱形 section and the part's columns.
// With shapes_per_line each line's 拱形 column names its shape (--shape, or
// the segment, where it is empty) and the columns suit any shape.
BatchColumns HeadBatchColumns(const ShopOptions& shop, const PartRequest& request,
                              const NumberSeparators& separators, bool shapes_per_line);

}  // namespace segcalc

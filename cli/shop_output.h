#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>

#include "cli/batch.h"
#include "cli/cli_options.h"
#include "geometry/arc_part.h"
#include "geometry/compute_record.h"
#include "shopfloor/part_sections.h"

namespace segcalc {

// Whether the shop options of a single compute need the exact circle.
ExactCircle SingleExactCircle(const ShopOptions& shop);

// The shop-floor outputs of a single compute, after the calculator's five
// lines. Returns the exit status these outputs call for: 0, 1 (no exact
// solution), 2 (unusable values) or 3 (a file not written).
int WriteShopOutputs(const CliOptions& options, const ComputeRecord& record, std::ostream& out,
                     std::ostream& err, const NumberSeparators& separators);

// The part's columns of a batch line, its refusals and its drawing in the
// --dxf-dir folder (made here when it is not there yet).
struct BatchPartColumns {
  SectionLayout layout;
  OutputFormat format;
  std::optional<std::filesystem::path> folder;

  // Cells for a line without a part too; messages name the line.
  void Append(long number, const ArcPart* part, BatchLineOutput& output) const;
};
std::optional<std::filesystem::path> DrawingFolder(const ShopOptions& shop);

// What the shop options add to each batch line; the request as
// ReadPartRequest read it from them.
// The calculator's lines: the exact columns, the part's.
BatchColumns CalculatorBatchColumns(const ShopOptions& shop, const PartRequest& request,
                                    const NumberSeparators& separators, bool sheet_rows);

// A list that names a 拱形 column gets a named head's columns; a sheet or a
// plan asks for each line's sheet row.
BatchColumns ShopBatchColumns(const ShopOptions& shop, const PartRequest& request,
                              const NumberSeparators& separators, const ListLayout& layout = {},
                              bool sheet_rows = false);

}  // namespace segcalc

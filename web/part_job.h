#pragma once

#include <emscripten/val.h>

#include <optional>
#include <string>
#include <vector>

#include "cli/shop_options.h"
#include "geometry/arc_part.h"
#include "geometry/compute_record.h"
#include "shopfloor/html_report.h"
#include "shopfloor/output_format.h"

namespace segcalc {

// The page's job as the shop options segcalc-cli takes, each field read under
// the key the option table gives it, and checked as segcalc-cli checks them
// (in the page's words). Empty fields are absent options.
ShopOptions ShopFromJob(const emscripten::val& job);
// Why the job's options do not go together, or can't be read; else empty,
// with the request they ask for.
std::string ReadJobRequest(const emscripten::val& job, const NumberSeparators& separators,
                           PartRequest& request);

// One job of the 精确与放样 tab, worked out once: the segment of any two of the
// five boxes (the calculator's compute beside it), or a head the job names,
// and what the shop asks of it.
struct PartJob {
  std::optional<ComputeRecord> record;  // a segment: its compute
  std::vector<GivenText> given;         // a named head: what was typed
  std::optional<ArcPart> part;          // when there is a head to make
  OutputFormat format;
  std::string error;  // why there is nothing to make
};

// job: {boxes: five texts, ticked, unit, and the option table's fields}. A
// named head takes its span, rise and radius from the chord, height and
// radius boxes. The last job is kept: the report and the drawing of the job
// just shown are not worked out again.
const PartJob& JobOf(const emscripten::val& job, const NumberSeparators& separators);

}  // namespace segcalc

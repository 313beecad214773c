#pragma once

#include <filesystem>
#include <optional>

#include "calc/number_text.h"
#include "geometry/barplan/bar_plan.h"

namespace segcalc {

// What a plan file holds, by its name's extension (any case): .txt the
// label<TAB>value lines, .csv the spreadsheet, .html or .htm the saw sheet.
enum class PlanFileKind { Text, Csv, SawSheet };
std::optional<PlanFileKind> PlanFileKindFor(const std::filesystem::path& path);

// Writes the plan in the kind its name asks for; false when the name has no
// such extension or the file could not be written whole (CannotWriteMessage
// in output_files.h says so to the user).
bool WriteBarPlanFile(const std::filesystem::path& path, const barplan::BarPlan& plan,
                      const NumberSeparators& separators);

}  // namespace segcalc

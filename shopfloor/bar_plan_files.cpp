#include "shopfloor/bar_plan_files.h"

#include <ostream>
#include <string>

#include "shopfloor/bar_plan_text.h"
#include "shopfloor/output_files.h"
#include "shopfloor/saw_sheet.h"

namespace segcalc {

std::optional<PlanFileKind> PlanFileKindFor(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  for (char& c : extension) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  if (extension == ".txt") return PlanFileKind::Text;
  if (extension == ".csv") return PlanFileKind::Csv;
  if (extension == ".html" || extension == ".htm") return PlanFileKind::SawSheet;
  return std::nullopt;
}

bool WriteBarPlanFile(const std::filesystem::path& path, const barplan::BarPlan& plan,
                      const NumberSeparators& separators) {
  const std::optional<PlanFileKind> kind = PlanFileKindFor(path);
  if (!kind) return false;
  return WriteFile(path, [&](std::ostream& out) {
    switch (*kind) {
      case PlanFileKind::Text:
        WriteBarPlanText(out, plan, separators);
        break;
      case PlanFileKind::Csv:
        WriteBarPlanCsv(out, plan, separators);
        break;
      case PlanFileKind::SawSheet:
        WriteSawSheet(out, plan, separators);
        break;
    }
  });
}

}  // namespace segcalc

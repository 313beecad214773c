#include "cli/plan_output.h"

#include <ostream>

#include "cli/batch_file.h"
#include "cli/exit_status.h"
#include "geometry/barplan/bar_plan_solver.h"
#include "geometry/barplan/piece_list_text.h"
#include "shopfloor/bar_plan_files.h"
#include "shopfloor/bar_plan_text.h"
#include "shopfloor/output_files.h"

namespace segcalc {
namespace {

// A list of pieces or of the rack's bars is a few megabytes at most.
constexpr std::size_t kMostListBytes = 64 * 1024 * 1024;

int Fail(std::ostream& err, int status, const std::string& message) {
  err << "segcalc-cli: " << message << '\n';
  return status;
}

}  // namespace

int WritePlan(const ShopOptions& shop, std::vector<barplan::PieceLine> pieces,
              const OutputFormat& format, std::ostream& out, std::ostream& err) {
  const bool to_output = *shop.plan_file == "-";
  const std::filesystem::path path = PathFromUtf8(*shop.plan_file);
  if (!to_output && !PlanFileKindFor(path)) {
    return Fail(err, kExitUsage, "--plan 的文件名应以 .txt、.html 或 .csv 结尾");
  }
  Checked<barplan::PlanRequest> request = ReadPlanOptions(shop, format.separators);
  if (!request.ok()) return Fail(err, kExitUsage, request.error);
  if (shop.stock_file) {
    const TextFile file = ReadTextFile(*shop.stock_file, kMostListBytes, "库存文件");
    if (!file.error.empty()) return Fail(err, file.status, file.error);
    Checked<std::vector<barplan::RackLine>> rack =
        barplan::ReadRackList(file.text, format.separators);
    if (!rack.ok())
      return Fail(err, kExitFailed, "库存文件 " + *shop.stock_file + ": " + rack.error);
    request.value->rack = std::move(*rack.value);
  }
  request.value->pieces = std::move(pieces);
  if (request.value->pieces.empty()) return Fail(err, kExitFailed, "没有可下料的零件");
  const Checked<barplan::BarPlan> plan = barplan::SolveBarPlan(*request.value);
  if (!plan.ok()) return Fail(err, kExitFailed, "无法排出下料方案: " + plan.error);
  if (to_output) {
    WriteBarPlanText(out, *plan.value, format.separators);
    return kExitOk;
  }
  if (!WriteBarPlanFile(path, *plan.value, format.separators)) {
    return Fail(err, kExitWriteFailed, CannotWriteMessage(path));
  }
  return kExitOk;
}

int PlanFromList(const ShopOptions& shop, const OutputFormat& format, std::ostream& out,
                 std::ostream& err) {
  const TextFile file = ReadTextFile(*shop.plan_from, kMostListBytes, "零件清单");
  if (!file.error.empty()) return Fail(err, file.status, file.error);
  Checked<std::vector<barplan::PieceLine>> pieces =
      barplan::ReadPieceList(file.text, format.separators);
  if (!pieces.ok())
    return Fail(err, kExitFailed, "零件清单 " + *shop.plan_from + ": " + pieces.error);
  return WritePlan(shop, std::move(*pieces.value), format, out, err);
}

}  // namespace segcalc

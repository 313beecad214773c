#include "cli/cli_app.h"

#include <algorithm>
#include <fstream>
#include <istream>
#include <ostream>
#include <thread>

#include "calc/outcome_message.h"
#include "cli/batch.h"
#include "cli/batch_file.h"
#include "cli/cli_options.h"
#include "cli/exit_status.h"
#include "cli/head_output.h"
#include "cli/measured_fit.h"
#include "cli/part_request.h"
#include "cli/plan_output.h"
#include "cli/shop_output.h"
#include "shopfloor/bar_plan_files.h"
#include "shopfloor/cutting_sheet_files.h"
#include "shopfloor/output_files.h"
#include "shopfloor/result_columns.h"
#include "version.h"

namespace segcalc {
namespace {

TypedInput TypedFrom(const CliOptions& options) {
  TypedInput typed;
  typed.text(Quantity::Arc) = options.arc;
  typed.text(Quantity::Chord) = options.chord;
  typed.text(Quantity::Height) = options.height;
  typed.text(Quantity::Radius) = options.shop.radius.value_or("");
  typed.text(Quantity::Angle) = options.shop.angle.value_or("");
  typed.mode = options.mode;
  return typed;
}

int ComputeOnce(const CliOptions& options, std::ostream& out, std::ostream& err,
                const NumberSeparators& separators) {
  const OutputFormat format{options.shop.unit, separators};
  if (options.shop.plan_from) return PlanFromList(options.shop, format, out, err);
  if (options.shop.NamesShape()) return WriteHeadOutputs(options, out, err, separators);
  // A bent piece checked on its own: no measurements to compute from.
  const bool measured = !options.arc.empty() || !options.chord.empty() || !options.height.empty() ||
                        options.shop.GivesRadiusOrAngle();
  if (options.shop.fit_file && !measured) return WriteMeasuredFit(options.shop, format, out, err);
  const ComputeRecord record =
      RecordCompute(TypedFrom(options), separators, SingleExactCircle(options.shop));
  int status = kExitOk;
  // With a radius or an angle the calculator, which takes only arc, chord and
  // height, did not run.
  if (record.calculator) {
    const ComputeOutcome& outcome = *record.calculator;
    // The five boxes as the window shows them after the compute.
    if (outcome.texts) out << BoxLines(record);
    // The first filled pair wins, so a typed chord height was not used.
    if (!options.arc.empty() && !options.chord.empty() && !options.height.empty()) {
      err << "segcalc-cli: 弦高由弧长和弦长算出,给出的弦高未被使用\n";
    }
    if (outcome.kind != OutcomeKind::Solved) {
      err << "segcalc-cli: " << OutcomeMessage(outcome) << '\n';
      status = kExitFailed;
    }
  }
  status = std::max(status, WriteShopOutputs(options, record, out, err, separators));
  if (options.shop.fit_file)
    status = std::max(status, WriteMeasuredFit(options.shop, format, out, err));
  return status;
}

// A read that fails part-way must not pass for the end of the list. After
// the list, its sheet and the plan of its pieces, where asked for.
int BatchFrom(std::istream& in, const std::string& name, std::ostream& out, std::ostream& err,
              const NumberSeparators& separators, unsigned jobs, const ColumnsFor& columns,
              const ShopOptions& shop) {
  // A name the sheet or the plan cannot be written to is said before the list
  // is worked through.
  if (shop.sheet_file && !IsSheetFileName(PathFromUtf8(*shop.sheet_file))) {
    err << "segcalc-cli: --sheet 的文件名应以 .html 或 .csv 结尾\n";
    return kExitUsage;
  }
  if (shop.plan_file && !PlanFileKindFor(PathFromUtf8(*shop.plan_file))) {
    err << "segcalc-cli: --plan 的文件名应以 .txt、.html 或 .csv 结尾\n";
    return kExitUsage;
  }
  CuttingSheet sheet;
  int status =
      RunBatch(in, out, err, separators, jobs, columns, shop.WantsSheetRows() ? &sheet : nullptr);
  if (in.bad()) {
    err << "segcalc-cli: 读取 " << name << " 时出错,结果不完整\n";
    return kExitUsage;
  }
  const OutputFormat format{shop.unit, separators};
  if (sheet.cut_short) {
    err << "segcalc-cli: 下料单超过 " << kMaxSheetLines << " 行,下料表和下料优化只用前 "
        << kMaxSheetLines << " 行\n";
    status = std::max(status, kExitFailed);
  }
  if (shop.sheet_file) {
    const std::filesystem::path path = PathFromUtf8(*shop.sheet_file);
    if (!WriteSheetFile(path, sheet, format)) {
      err << "segcalc-cli: " << CannotWriteMessage(path) << '\n';
      status = std::max(status, kExitWriteFailed);
    }
  }
  if (shop.plan_file) status = std::max(status, WritePlan(shop, PiecesOf(sheet), format, out, err));
  return status;
}

int RunAction(const std::vector<std::string_view>& args, std::istream& in, std::ostream& out,
              std::ostream& err, const NumberSeparators& separators) {
  if (args.empty()) {
    err << kUsageText;
    return kExitUsage;
  }
  const ParsedOptions parsed = ParseCliOptions(args);
  if (!parsed.options) {
    err << "segcalc-cli: " << parsed.error << "\n\n" << kUsageText << ShopUsageText();
    return kExitUsage;
  }
  const CliOptions& options = *parsed.options;
  switch (options.action) {
    case CliOptions::Action::Help:
      out << kUsageText << ShopUsageText();
      return kExitOk;
    case CliOptions::Action::Version:
      out << "segcalc-cli " SEGCALC_VERSION "\n";
      return kExitOk;
    case CliOptions::Action::Compute:
      return ComputeOnce(options, out, err, separators);
    case CliOptions::Action::Batch:
      break;
  }
  const unsigned jobs = options.jobs.value_or(std::max(1u, std::thread::hardware_concurrency()));
  const Checked<PartRequest> request = ReadPartRequest(options.shop, separators);
  if (!request.ok()) {
    err << "segcalc-cli: " << request.error << '\n';
    return kExitUsage;
  }
  const ColumnsFor columns = [&](const ListLayout& layout) {
    return ShopBatchColumns(options.shop, *request.value, separators, layout,
                            options.shop.WantsSheetRows());
  };
  if (!options.batch_file) {
    return BatchFrom(in, "标准输入", out, err, separators, jobs, columns, options.shop);
  }
  std::ifstream file;
  const std::string why = OpenBatchFile(*options.batch_file, file);
  if (!why.empty()) {
    err << "segcalc-cli: 无法读取文件 " << *options.batch_file << ":" << why << '\n';
    return kExitUsage;
  }
  return BatchFrom(file, *options.batch_file, out, err, separators, jobs, columns, options.shop);
}

}  // namespace

int RunCli(const std::vector<std::string_view>& args, std::istream& in, std::ostream& out,
           std::ostream& err, const NumberSeparators& separators) {
  const int status = RunAction(args, in, out, err, separators);
  // Results that never reached their reader (a closed output, a pipe whose
  // reader has gone) must not pass for success.
  if (!out.flush()) {
    err << "segcalc-cli: 无法写出结果\n";
    return kExitWriteFailed;
  }
  return status;
}

}  // namespace segcalc

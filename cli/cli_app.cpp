#include "cli/cli_app.h"

#include <algorithm>
#include <fstream>
#include <istream>
#include <ostream>
#include <thread>

#include "calc/compute_request.h"
#include "calc/outcome_message.h"
#include "calc/result_boxes.h"
#include "cli/batch.h"
#include "cli/batch_file.h"
#include "cli/cli_options.h"
#include "cli/exit_status.h"
#include "cli/shop_output.h"
#include "version.h"

namespace segcalc {
namespace {

int ComputeOnce(const CliOptions& options, std::ostream& out, std::ostream& err,
                const NumberSeparators& separators) {
  // The calculator takes only arc, chord and height.
  if (options.shop.GivesRadiusOrAngle()) {
    return WriteShopOutputs(options, nullptr, out, err, separators);
  }
  const ComputeOutcome outcome =
      Compute({options.arc, options.chord, options.height}, options.major ? 0 : 1, separators);
  if (outcome.texts) {
    // The five boxes as the window shows them after the compute.
    BoxTexts boxes = {options.arc, options.chord, options.height, "", ""};
    WriteResultTexts(*outcome.texts, boxes);
    for (TextBox box : kTextBoxes) out << BoxLabel(box) << '\t' << boxes[BoxIndex(box)] << '\n';
  }
  // The first filled pair wins, so a typed chord height was not used.
  if (!options.arc.empty() && !options.chord.empty() && !options.height.empty()) {
    err << "segcalc-cli: 弦高由弧长和弦长算出,给出的弦高未被使用\n";
  }
  int status = kExitOk;
  if (outcome.kind != OutcomeKind::Solved) {
    err << "segcalc-cli: " << OutcomeMessage(outcome) << '\n';
    status = kExitFailed;
  }
  return std::max(status, WriteShopOutputs(options, &outcome, out, err, separators));
}

// A read that fails part-way must not pass for the end of the list.
int BatchFrom(std::istream& in, const std::string& name, std::ostream& out, std::ostream& err,
              const NumberSeparators& separators, unsigned jobs, const BatchLineHook& hook) {
  const int status = RunBatch(in, out, err, separators, jobs, hook);
  if (!in.bad()) return status;
  err << "segcalc-cli: 读取 " << name << " 时出错,结果不完整\n";
  return kExitUsage;
}

int RunAction(const std::vector<std::string_view>& args, std::istream& in, std::ostream& out,
              std::ostream& err, const NumberSeparators& separators) {
  if (args.empty()) {
    err << kUsageText;
    return kExitUsage;
  }
  const ParsedOptions parsed = ParseCliOptions(args);
  if (!parsed.options) {
    err << "segcalc-cli: " << parsed.error << "\n\n" << kUsageText << kShopUsageText;
    return kExitUsage;
  }
  const CliOptions& options = *parsed.options;
  switch (options.action) {
    case CliOptions::Action::Help:
      out << kUsageText << kShopUsageText;
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
  const BatchLineHook hook = ShopBatchHook(options.shop, separators);
  if (!options.batch_file) return BatchFrom(in, "标准输入", out, err, separators, jobs, hook);
  std::ifstream file;
  const std::string why = OpenBatchFile(*options.batch_file, file);
  if (!why.empty()) {
    err << "segcalc-cli: 无法读取文件 " << *options.batch_file << ":" << why << '\n';
    return kExitUsage;
  }
  return BatchFrom(file, *options.batch_file, out, err, separators, jobs, hook);
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

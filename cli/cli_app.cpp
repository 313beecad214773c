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
#include "cli/cli_options.h"

#ifndef SEGCALC_VERSION
#define SEGCALC_VERSION "unknown"
#endif

namespace segcalc {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitWriteFailed = 3;

int ComputeOnce(const CliOptions& options, std::ostream& out, std::ostream& err,
                const NumberSeparators& separators) {
  const ComputeOutcome outcome =
      Compute({options.arc, options.chord, options.height}, options.major ? 0 : 1, separators);
  if (outcome.texts) {
    // The five boxes as the window shows them after the compute.
    BoxTexts boxes = {options.arc, options.chord, options.height, "", ""};
    WriteResultTexts(*outcome.texts, boxes);
    for (TextBox box : kTextBoxes) out << BoxLabel(box) << '\t' << boxes[BoxIndex(box)] << '\n';
  }
  if (outcome.kind == OutcomeKind::Solved) return kExitOk;
  err << OutcomeMessage(outcome) << '\n';
  return kExitFailed;
}

int RunAction(const std::vector<std::string_view>& args, std::istream& in, std::ostream& out,
              std::ostream& err, const NumberSeparators& separators) {
  const ParsedOptions parsed = ParseCliOptions(args);
  if (!parsed.options) {
    err << "segcalc-cli: " << parsed.error << "\n\n" << kUsageText;
    return kExitUsage;
  }
  const CliOptions& options = *parsed.options;
  switch (options.action) {
    case CliOptions::Action::Help:
      out << kUsageText;
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
  if (!options.batch_file) return RunBatch(in, out, err, separators, jobs);
  std::ifstream file(*options.batch_file, std::ios::binary);
  if (!file) {
    err << "segcalc-cli: 无法读取文件 " << *options.batch_file << '\n';
    return kExitUsage;
  }
  return RunBatch(file, out, err, separators, jobs);
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

#include "cli/shop_output.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

#include "cli/exit_status.h"
#include "geometry/arc_part.h"
#include "shopfloor/output_files.h"
#include "shopfloor/result_columns.h"

namespace segcalc {
namespace {

struct SingleRun {
  const CliOptions& options;
  const ComputeRecord& record;
  std::ostream& out;
  std::ostream& err;
  OutputFormat format;
  int status = kExitOk;

  void Fail(int code, const std::string& message) {
    err << "segcalc-cli: " << message << '\n';
    status = std::max(status, code);
  }

  void WriteReport(const ArcPart* part) {
    const std::filesystem::path file = PathFromUtf8(*options.shop.report_file);
    if (!WriteReportFile(file, record, part, format)) {
      Fail(kExitWriteFailed, CannotWriteMessage(file));
    }
  }
};

}  // namespace

ExactCircle SingleExactCircle(const ShopOptions& shop) {
  return shop.WantsSingleOutput() ? ExactCircle::Solve : ExactCircle::Skip;
}

int WriteShopOutputs(const CliOptions& options, const ComputeRecord& record, std::ostream& out,
                     std::ostream& err, const NumberSeparators& separators) {
  const ShopOptions& shop = options.shop;
  if (!shop.WantsSingleOutput()) return kExitOk;
  SingleRun run{options, record, out, err, {shop.unit, separators}};

  PartRequest request;
  if (shop.ordinate_step) {
    const NumberReading reading = StrictNumber(*shop.ordinate_step, separators);
    if (!reading.ok()) {
      run.Fail(kExitUsage, "--ordinates 的间距不是有效的数字");
      return run.status;
    }
    request.ordinate_step = reading.value;
  }
  if (!record.input_error.empty()) {
    run.Fail(kExitUsage, record.input_error);
    return run.status;
  }

  const ExactChoice& exact = record.exact;
  if (!exact.segment) {
    // The calculator's own failure has been reported already.
    if (!record.calculator || record.calculator->scan) {
      run.Fail(kExitFailed, NoExactCircleMessage(exact));
    }
    if (shop.report_file) run.WriteReport(nullptr);
    return run.status;
  }
  if (exact.had_two) {
    err << "segcalc-cli: 给定的两项还确定另一个圆弧(夹角 " << run.format.Angle(exact.other.angle)
        << "),此处取夹角 " << run.format.Angle(exact.segment->angle) << " 的一个\n";
  }
  if (shop.exact || !record.calculator) out << ExactLines(*exact.segment, run.format);
  const ArcPart part = MakePart(*exact.segment, request);
  if (!part.ordinates.error.empty() && request.ordinate_step) {
    run.Fail(kExitUsage, part.ordinates.error);
    return run.status;
  }
  if (request.ordinate_step) {
    for (const Ordinate& row : part.ordinates.rows) {
      out << "放样\t" << run.format.Length(row.x) << '\t' << run.format.Length(row.y) << '\n';
    }
  }
  if (shop.report_file) run.WriteReport(&part);
  if (shop.dxf_file) {
    const std::filesystem::path file = PathFromUtf8(*shop.dxf_file);
    if (!WriteDxfFile(file, part, run.format)) run.Fail(kExitWriteFailed, CannotWriteMessage(file));
  }
  return run.status;
}

BatchColumns ShopBatchColumns(const ShopOptions& shop, const NumberSeparators& separators) {
  BatchColumns columns;
  if (!shop.exact && !shop.dxf_dir) return columns;
  columns.exact = ExactCircle::Solve;
  if (shop.exact) {
    for (const Quantity quantity : kQuantities) columns.names.push_back(ExactLabel(quantity));
  }
  std::optional<std::filesystem::path> folder;
  if (shop.dxf_dir) {
    folder = PathFromUtf8(*shop.dxf_dir);
    std::error_code ignored;  // a folder that cannot be made fails each write, line by line
    std::filesystem::create_directories(*folder, ignored);
  }
  const OutputFormat format{shop.unit, separators};
  columns.append = [exact_columns = shop.exact, folder, format](
                       long number, const ComputeRecord* record, BatchLineOutput& output) {
    if (exact_columns) {
      if (record) {
        AppendExactColumns(output.result, *record, format);
      } else {
        output.result += "\t\t\t\t\t";  // an invalid line keeps the columns too
      }
    }
    // A line without the calculator's answer still gets its drawing when the
    // exact circle exists.
    if (!folder || !record || !record->exact.segment) return;
    const std::filesystem::path path = *folder / (std::to_string(number) + ".dxf");
    if (!WriteDxfFile(path, MakePart(*record->exact.segment, {}), format)) {
      output.message = "第 " + std::to_string(number) + " 行: " + CannotWriteMessage(path);
      output.status = std::max(output.status, kExitWriteFailed);
    }
  };
  return columns;
}

}  // namespace segcalc

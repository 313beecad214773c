#include "cli/shop_output.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

#include "cli/exit_status.h"
#include "cli/head_output.h"
#include "cli/part_lines.h"
#include "cli/part_request.h"
#include "geometry/arc_part.h"
#include "shopfloor/output_files.h"
#include "shopfloor/part_sections.h"
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

  const Checked<PartRequest> read = ReadPartRequest(shop, separators);
  const Checked<SheetSetup> sheets = ReadSheetSetup(shop);
  if (!read.ok() || !sheets.ok()) {
    run.Fail(kExitUsage, read.ok() ? sheets.error : read.error);
    return run.status;
  }
  run.format.sheets = *sheets.value;
  const PartRequest& request = *read.value;
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
  WritePartLines(out, part, run.format);
  for (const std::string& error : part.Errors()) run.Fail(kExitFailed, error);
  if (shop.report_file) run.WriteReport(&part);
  if (shop.dxf_file) {
    const std::filesystem::path file = PathFromUtf8(*shop.dxf_file);
    if (!WriteDxfFile(file, part, run.format)) run.Fail(kExitWriteFailed, CannotWriteMessage(file));
  }
  return run.status;
}

std::optional<std::filesystem::path> DrawingFolder(const ShopOptions& shop) {
  if (!shop.dxf_dir) return std::nullopt;
  std::filesystem::path folder = PathFromUtf8(*shop.dxf_dir);
  std::error_code ignored;  // a folder that cannot be made fails each write, line by line
  std::filesystem::create_directories(folder, ignored);
  return folder;
}

void BatchPartColumns::Append(long number, const ArcPart* part, BatchLineOutput& output) const {
  for (const std::string& text : ColumnTexts(PartSections(part, layout, format))) {
    output.result += '\t' + text;
  }
  // At the saw: the cut length of a bent profile, else the arch's own length,
  // as the sheet shows it.
  if (part && part->profile) {
    if (part->profile->ok())
      output.cut_length = format.ShownLength(part->profile->value->cut_length);
  } else if (part) {
    output.cut_length = format.ShownLength(part->arch().Length());
  }
  const std::string line = "第 " + std::to_string(number) + " 行: ";
  const auto fail = [&](int status, const std::string& message) {
    output.message += (output.message.empty() ? "" : "\n") + line + message;
    output.status = std::max(output.status, status);
  };
  if (!part) return;
  for (const std::string& error : part->Errors()) fail(kExitFailed, error);
  if (!folder) return;
  const std::filesystem::path path = *folder / (std::to_string(number) + ".dxf");
  if (!WriteDxfFile(path, *part, format)) fail(kExitWriteFailed, CannotWriteMessage(path));
}

BatchColumns ShopBatchColumns(const ShopOptions& shop, const PartRequest& request,
                              const NumberSeparators& separators, const ListLayout& layout,
                              bool sheet_rows) {
  const bool shapes = std::find(layout.columns.begin(), layout.columns.end(), ListColumn::Shape) !=
                      layout.columns.end();
  BatchColumns columns = shop.NamesShape() || shapes
                             ? HeadBatchColumns(shop, request, separators, shapes)
                             : CalculatorBatchColumns(shop, request, separators, sheet_rows);
  if (sheet_rows) {
    columns.sheet_rows = true;
    columns.exact = ExactCircle::Solve;
    // Without a profile the saw cuts the exact arc, not the calculator's.
    columns.cut_label = request.profile               ? "下料长度"
                        : shapes || shop.NamesShape() ? "拱长"
                                                      : "精确弧长";
    std::vector<std::string> names;
    std::string header = BatchHeaderLine(columns, layout);
    for (std::size_t start = header.find('\t'); start != std::string::npos;) {
      const std::size_t end = header.find('\t', start + 1);
      names.push_back(header.substr(start + 1, end - start - 1));
      start = end;
    }
    SetSheetColumns(names, layout, columns);
  }
  return columns;
}

BatchColumns CalculatorBatchColumns(const ShopOptions& shop, const PartRequest& request,
                                    const NumberSeparators& separators, bool sheet_rows) {
  BatchColumns columns;
  const bool part_asked = request.profile || request.divisions || request.area;
  if (!shop.exact && !shop.dxf_dir && !part_asked && !sheet_rows) return columns;
  columns.exact = ExactCircle::Solve;
  const OutputFormat format{shop.unit, separators};
  if (shop.exact) {
    for (const Quantity quantity : kQuantities) columns.names.push_back(ExactLabel(quantity));
  }
  // The stations vary from line to line: they go into the drawings only.
  PartRequest asked = request;
  asked.stations.reset();
  const BatchPartColumns part_columns{LayoutOf(std::nullopt, false, false, asked), format,
                                      DrawingFolder(shop)};
  for (std::string& label : ColumnLabels(PartSections(nullptr, part_columns.layout, format))) {
    columns.names.push_back(std::move(label));
  }
  columns.append = [exact_columns = shop.exact, part_columns, request, format](
                       long number, const ComputeRecord* record, BatchLineOutput& output) {
    if (exact_columns) {
      if (record) {
        AppendExactColumns(output.result, *record, format);
      } else {
        output.result += "\t\t\t\t\t";  // an invalid line keeps the columns too
      }
    }
    // A line without the calculator's answer still gets its part and its
    // drawing when the exact circle exists.
    std::optional<ArcPart> part;
    if (record && record->exact.segment) part = MakePart(*record->exact.segment, request);
    part_columns.Append(number, part ? &*part : nullptr, output);
  };
  return columns;
}

}  // namespace segcalc

#include "cli/head_output.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

#include "cli/exit_status.h"
#include "cli/part_request.h"
#include "cli/shop_output.h"
#include "shopfloor/output_files.h"
#include "shopfloor/part_sections.h"

namespace segcalc {
namespace {

// What the report lists as given: the head's options as typed, the chord and
// height standing in for the span and rise.
std::vector<GivenText> HeadGiven(const ShopOptions& shop, const HeadTexts& texts) {
  std::vector<GivenText> given = {{"拱形", shop.shape.value_or("")},
                                  {"跨度", shop.span.value_or(texts.span)},
                                  {"拱高", shop.rise.value_or(texts.rise)}};
  for (const ShopOptionRow& row : ShopOptionTable()) {
    if (!row.text || row.text == &ShopOptions::shape || row.text == &ShopOptions::span ||
        row.text == &ShopOptions::rise || !(shop.*row.text)) {
      continue;
    }
    const bool head = row.text == &ShopOptions::radius || row.needs == "--shape" ||
                      row.text == &ShopOptions::face;
    if (head) given.push_back({OptionName(row, OptionVoice::Page), *(shop.*row.text)});
  }
  return given;
}

struct Outcome {
  std::optional<ArcPart> part;
  std::string error;
  int status = kExitOk;
};

Outcome WorkOut(const ShopOptions& shop, const HeadTexts& texts, const PartRequest& request,
                const NumberSeparators& separators) {
  const Checked<HeadRequest> asked = ReadHeadRequest(shop, texts, separators);
  if (!asked.ok()) return {std::nullopt, asked.error, kExitUsage};
  const Checked<ArchHead> head = MakeHead(*asked.value);
  if (!head.ok()) return {std::nullopt, head.error, kExitFailed};
  return {MakePart(*head.value, request), {}, kExitOk};
}

// The five boxes' places in a batch line: the arch's length, span and rise,
// and the radius and angle of a head of one circle.
std::string BoxCells(const ArcPart& part, const OutputFormat& format) {
  std::string cells = '\t' + format.Length(part.arch().Length()) + '\t' +
                      format.Length(part.head.Span()) + '\t' + format.Length(part.head.Rise());
  if (const ExactSegment* circle = part.circle()) {
    return cells + '\t' + format.Length(circle->radius) + '\t' + format.Angle(circle->angle);
  }
  if (part.arch().pieces().size() == 1 && !part.arch().ellipse()) {
    return cells + '\t' + format.Length(part.arch().pieces().front().radius) + '\t' +
           format.Angle(part.arch().pieces().front().SweepDegrees());
  }
  return cells + "\t\t";
}

}  // namespace

int WriteHeadOutputs(const CliOptions& options, std::ostream& out, std::ostream& err,
                     const NumberSeparators& separators) {
  const ShopOptions& shop = options.shop;
  OutputFormat format{shop.unit, separators};
  int status = kExitOk;
  const auto fail = [&](int code, const std::string& message) {
    err << "segcalc-cli: " << message << '\n';
    status = std::max(status, code);
    return status;
  };
  const Checked<PartRequest> request = ReadPartRequest(shop, separators);
  if (!request.ok()) return fail(kExitUsage, request.error);
  const Checked<SheetSetup> sheets = ReadSheetSetup(shop);
  if (!sheets.ok()) return fail(kExitUsage, sheets.error);
  format.sheets = *sheets.value;
  const HeadTexts texts{options.chord, options.height};
  const Outcome outcome = WorkOut(shop, texts, *request.value, separators);
  if (!outcome.part) return fail(outcome.status, outcome.error);
  const ArcPart& part = *outcome.part;
  if (!part.ordinates.error.empty() && request.value->ordinate_step) {
    return fail(kExitUsage, part.ordinates.error);
  }
  // The head first, then the ordinates, then the rest of the part.
  std::vector<PartSection> sections = PartSections(&part, LayoutOf(part), format);
  out << SectionLines({sections.front()});
  if (request.value->ordinate_step) {
    for (const Ordinate& row : part.ordinates.rows) {
      out << "放样\t" << format.Length(row.x) << '\t' << format.Length(row.y) << '\n';
    }
  }
  sections.erase(sections.begin());
  out << SectionLines(sections);
  for (const std::string& error : part.Errors()) fail(kExitFailed, error);
  if (shop.report_file) {
    const std::filesystem::path file = PathFromUtf8(*shop.report_file);
    if (!WriteHeadReportFile(file, HeadGiven(shop, texts), part, format)) {
      fail(kExitWriteFailed, CannotWriteMessage(file));
    }
  }
  if (shop.dxf_file) {
    const std::filesystem::path file = PathFromUtf8(*shop.dxf_file);
    if (!WriteDxfFile(file, part, format)) fail(kExitWriteFailed, CannotWriteMessage(file));
  }
  return status;
}

BatchColumns HeadBatchColumns(const ShopOptions& shop, const PartRequest& request,
                              const NumberSeparators& separators, bool shapes_per_line) {
  BatchColumns columns;
  const OutputFormat format{shop.unit, separators};
  PartRequest asked = request;
  asked.stations.reset();
  // Heads of any shape, line by line: the columns of the 拱形 section and
  // of every shape's faces, each line filling those it has.
  SectionLayout layout =
      LayoutOf(ShapeOf(shop.shape.value_or("segment")).value_or(ArchShape::Segment),
               shop.quarter.has_value(), shop.legs.has_value(), asked);
  if (shapes_per_line) {
    layout.segment_values = false;
    layout.uniform_pieces = false;
    layout.ellipse = true;
  }
  const BatchPartColumns part_columns{layout, format, DrawingFolder(shop)};
  columns.names = ColumnLabels(PartSections(nullptr, part_columns.layout, format));
  columns.compute = [shop, request, separators, format, part_columns](
                        const ListLine* line, long number, BatchLineOutput& output) {
    if (!line) {
      part_columns.Append(number, nullptr, output);
      return;
    }
    const std::string& arc = line->typed.text(Quantity::Arc);
    const HeadTexts texts{line->typed.text(Quantity::Chord), line->typed.text(Quantity::Height)};
    ShopOptions own = shop;
    if (line->shape) own.shape = *line->shape;
    if (!own.shape) own.shape = "segment";
    Outcome outcome;
    if (arc.find_first_not_of(' ') != std::string::npos) {
      outcome = {std::nullopt, "给定拱形时,弧长一栏应为空(弦长、弦高即跨度、拱高)", kExitUsage};
    } else {
      outcome = WorkOut(own, texts, request, separators);
    }
    if (outcome.part) {
      output.result = "solved" + BoxCells(*outcome.part, format);
    } else {
      output.result = (outcome.status == kExitUsage ? "invalid-line\t" : "no-solution\t") + arc +
                      '\t' + texts.span + '\t' + texts.rise + "\t\t";
      output.message = "第 " + std::to_string(number) + " 行: " + outcome.error;
      // As for the calculator, a line with no solution is not an error.
      if (outcome.status == kExitUsage) output.status = kExitFailed;
    }
    part_columns.Append(number, outcome.part ? &*outcome.part : nullptr, output);
  };
  return columns;
}

}  // namespace segcalc

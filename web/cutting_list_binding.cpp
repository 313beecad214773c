#include "web/cutting_list_binding.h"

#include <algorithm>
#include <sstream>
#include <utility>

#include "cli/input_encoding.h"
#include "cli/plan_output.h"
#include "cli/shop_output.h"
#include "geometry/barplan/bar_plan_solver.h"
#include "shopfloor/bar_plan_text.h"
#include "shopfloor/csv_rows.h"
#include "shopfloor/cutting_sheet_files.h"
#include "shopfloor/saw_sheet.h"
#include "web/page_separators.h"
#include "web/part_job.h"

namespace segcalc {
namespace {

using emscripten::val;

std::string Joined(const std::vector<std::string>& cells) {
  std::string line;
  for (std::size_t i = 0; i < cells.size(); ++i) line += (i ? "\t" : "") + OneCell(cells[i]);
  return line;
}

std::string Field(const val& options, const char* name) {
  const val value = options[name];
  if (value.isUndefined() || value.isNull()) return {};
  return value.as<std::string>();
}

}  // namespace

CuttingList::CuttingList(const std::string& input, const val& job) {
  PartRequest request;
  const val part = job["part"];
  if (!part.isNull() && !part.isUndefined()) {
    shop_ = ShopFromJob(part);
    error_ = ReadJobRequest(part, PageSeparators(), request);
    request.stations.reset();
    request.ordinate_step.reset();
  }
  shop_.exact = job["exact"].as<bool>() && !shop_.NamesShape();
  std::istringstream raw(input);
  DecodedInput decoded(raw);
  std::ostringstream text;
  text << decoded.stream().rdbuf();
  text_ = std::move(text).str();
  // The first line says how the list is written, and so its columns.
  layout_ = ReadListLayout(std::string_view(text_).substr(0, text_.find('\n')));
  columns_ = ShopBatchColumns(shop_, request, PageSeparators(), layout_, true);
  sheet_.columns = columns_.sheet_columns;
  sheet_.cut_label = columns_.cut_label;
  lines_ = std::count(text_.begin(), text_.end(), '\n');
  if (!text_.empty() && text_.back() != '\n') ++lines_;
}

std::string CuttingList::Header() const {
  return BatchHeaderLine(columns_, layout_);
}

std::string CuttingList::SheetHeader() const {
  return Joined(segcalc::SheetHeader(sheet_));
}

val CuttingList::Next(int count) {
  std::string results, rows, messages;
  for (; count > 0 && position_ < text_.size(); --count, ++number_) {
    std::size_t end = text_.find('\n', position_);
    if (end == std::string::npos) end = text_.size();
    const std::string_view line(text_.data() + position_, end - position_);
    if (number_ == 1 && layout_.named) header_skipped_ = true;
    const BatchLineOutput output =
        ProcessBatchLine(line, number_, PageSeparators(), columns_, layout_);
    results += output.result + '\n';
    if (output.row) rows += Joined(SheetCells(*output.row)) + '\n';
    KeepRow(output, &sheet_);
    if (!output.message.empty()) messages += output.message + '\n';
    position_ = end + 1;
  }
  val slice = val::object();
  slice.set("results", results);
  slice.set("rows", rows);
  slice.set("messages", messages);
  return slice;
}

val CuttingList::Totals() const {
  const SheetTotals totals = TotalsOf(sheet_);
  const OutputFormat format{shop_.unit, PageSeparators()};
  val result = val::object();
  result.set("lines", totals.lines);
  result.set("withoutPart", totals.without_part);
  result.set("parts", static_cast<double>(totals.parts));
  result.set("cutLabel", sheet_.cut_label);
  result.set("cutLength", format.Length(totals.cut_length));
  val groups = val::array();
  for (const SheetGroup& group : totals.groups) {
    val item = val::object();
    item.set("lines", GroupLines(group));
    item.set("marks", GroupMarks(group));
    item.set("quantity", static_cast<double>(group.quantity));
    item.set("cutLength", format.Length(*group.first->cut_length));
    groups.call<void>("push", item);
  }
  result.set("groups", groups);
  return result;
}

std::string CuttingList::SheetCsv() const {
  std::ostringstream out;
  WriteSheetCsv(out, sheet_, {shop_.unit, PageSeparators()});
  return out.str();
}

std::string CuttingList::SheetHtml() const {
  std::ostringstream out;
  WriteSheetHtml(out, sheet_, {shop_.unit, PageSeparators()});
  return out.str();
}

val CuttingList::Plan(const val& options, const val& progress) const {
  ShopOptions shop = shop_;
  const auto text = [&](const char* name) -> std::optional<std::string> {
    const std::string value = Field(options, name);
    if (value.find_first_not_of(' ') == std::string::npos) return std::nullopt;
    return value;
  };
  shop.bars = text("bars");
  shop.kerf = text("kerf");
  shop.bar_ends = text("barEnds");
  shop.min_offcut = text("minOffcut");
  val result = val::object();
  Checked<barplan::PlanRequest> request =
      ReadPlanOptions(shop, PageSeparators(), OptionVoice::Page);
  if (!request.ok()) {
    result.set("error", request.error);
    return result;
  }
  request.value->pieces = PiecesOf(sheet_);
  if (request.value->pieces.empty()) {
    result.set("error", std::string("下料单中没有可下料的零件"));
    return result;
  }
  barplan::SolveOptions solve;
  solve.progress = [&progress](const barplan::PlanProgress& step) {
    if (!progress.isUndefined()) progress(step.fraction, std::string(step.stage));
  };
  const Checked<barplan::BarPlan> plan = barplan::SolveBarPlan(*request.value, solve);
  if (!plan.ok()) {
    result.set("error", "无法排出下料方案: " + plan.error);
    return result;
  }
  std::ostringstream body, html, csv;
  WriteSawSheetBody(body, *plan.value, PageSeparators());
  WriteSawSheet(html, *plan.value, PageSeparators());
  WriteBarPlanCsv(csv, *plan.value, PageSeparators());
  result.set("error", std::string());
  result.set("body", body.str());
  result.set("html", html.str());
  result.set("csv", csv.str());
  return result;
}

}  // namespace segcalc

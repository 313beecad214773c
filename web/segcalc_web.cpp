// The web page's one way into the calculation: the tree's own C++ behind a
// few functions for the page's script (embind). Every rule stays in the
// libraries; this file only moves texts between them and the page. Texts are
// UTF-8, numbers are read and written with the separators of the browser's
// language (SetSeparators).

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <utility>

#include "calc/outcome_message.h"
#include "cli/batch.h"
#include "cli/input_encoding.h"
#include "cli/shop_output.h"
#include "geometry/compute_record.h"
#include "web/drawing_binding.h"
#include "web/fit_binding.h"
#include "web/part_binding.h"
#include "web/part_job.h"
#include "window/box_hints.h"
#include "window/commands.h"
#include "window/main_form.h"

namespace segcalc {
namespace {

using emscripten::val;

NumberSeparators g_separators;

void SetSeparators(const std::string& decimal, const std::string& thousands) {
  g_separators = {decimal, thousands};
}

val TextArray(const BoxTexts& texts) {
  val array = val::array();
  for (const std::string& text : texts) array.call<void>("push", text);
  return array;
}

// The window's services as far as its compute needs them: the page shows the
// warning itself, and the rest (files, browser, clipboard) is the page's own.
class PageServices final : public WindowServices {
 public:
  void ShowWarning(const std::string& text) override { warning = text; }
  void ShowAbout(const std::string&) override {}
  void ShowInformation(const std::string&, const std::string&) override {}
  void EndProgram() override {}
  void SetClipboardText(const std::string&) override {}
  bool OpenInBrowser(const std::filesystem::path&) override { return false; }
  std::optional<std::filesystem::path> AskSaveFile(const std::string&) override {
    return std::nullopt;
  }
  std::filesystem::path ProgramFolder() override { return {}; }

  std::string warning;
};

// The window's start-up: its two example measurements and the ticked check box.
val StartUp() {
  MainForm form(g_separators);
  Form_Load(form);
  val result = val::object();
  result.set("boxes", TextArray(form.texts()));
  result.set("ticked", form.check_value == 1);
  return result;
}

// Where the calculator's scan matched nothing but the exact circle exists:
// that circle's radius, angle and third measurement, as label and value, and
// why the rule missed it. Null otherwise.
val ExactInstead(const ComputeRecord& record, const OutputFormat& format) {
  if (!record.calculator || record.calculator->kind != OutcomeKind::NoSolution ||
      !record.exact.segment) {
    return val::null();
  }
  val rows = val::array();
  for (const Quantity quantity :
       {record.calculator->given->missing, Quantity::Radius, Quantity::Angle}) {
    val row = val::array();
    row.call<void>("push", std::string(QuantityLabel(quantity)));
    row.call<void>("push", format.Value(quantity, ValueOf(*record.exact.segment, quantity)));
    rows.call<void>("push", row);
  }
  val instead = val::object();
  instead.set("rows", rows);
  instead.set("why", std::string(ScanMissedReason()));
  return instead;
}

// 确 定: the window's own Command1_Click on a form holding the page's boxes,
// which computes, writes its results into the boxes and warns as the window
// does. Beside each box it wrote, what the window shows beside it: the exact
// value of the same two numbers and whether the calculator is far off it,
// or, where no circle has those numbers, that there is none (noArc).
val Calculate(const val& shown, bool ticked) {
  MainForm form(g_separators);
  for (const Quantity quantity : kQuantities) {
    form.text(quantity) = shown[QuantityIndex(quantity)].as<std::string>();
  }
  form.check_value = ticked ? 1 : 0;
  PageServices services;
  Command1_Click(form, services);
  KeepCalculation(*form.last_compute, form.output_format());

  val result = val::object();
  result.set("boxes", TextArray(form.texts()));
  result.set("solved", form.last_compute->CalculatorSolved());
  result.set("message", services.warning);
  BoxTexts exact;
  val far = val::array();
  const ComputeRecord& record = *form.last_compute;
  bool hinted = false;
  for (const Quantity quantity : kQuantities) {
    const BoxHint hint = HintOf(form, quantity);
    hinted = hinted || !hint.tooltip.empty();
    if (!hint.tooltip.empty() && record.exact.segment) {
      exact[QuantityIndex(quantity)] =
          form.output_format().Value(quantity, ValueOf(*record.exact.segment, quantity));
    }
    far.call<void>("push", hint.warning);
  }
  result.set("exact", TextArray(exact));
  result.set("far", far);
  result.set("noArc", hinted && !record.exact.segment ? NoSuchArcText(record.exact) : "");
  result.set("instead", ExactInstead(record, form.output_format()));
  return result;
}

val ExactCircleOfJob(const val& job) {
  return ExactPart(job, g_separators);
}

std::string Report(const val& job) {
  return PartReport(job, g_separators);
}

std::string Dxf(const val& job) {
  return PartDxf(job, g_separators);
}

std::string ExactPictureOfJob(const val& job, double width, double height) {
  return ExactPicture(job, g_separators, width, height);
}

val Fit(const std::string& text, const std::string& target, const std::string& unit, double width,
        double height) {
  return MeasuredFit(text, target, unit, width, height, g_separators);
}

// A cutting list computed a slice at a time, so that the worker running it
// can report its progress between slices: each line by the batch's own
// ProcessBatchLine, numbered from 1 as segcalc-cli numbers them.
class CuttingList {
 public:
  // input: the list's bytes, UTF-8 or UTF-16 behind its mark, as a file holds
  // them or as pasted; job: exact, which adds the five exact columns
  // (--exact), and the part's fields of the 精确与放样 tab, whose columns
  // follow (the stations vary from line to line and are not columns).
  CuttingList(const std::string& input, const val& job) {
    ShopOptions shop;
    PartRequest request;
    const val part = job["part"];
    if (!part.isNull() && !part.isUndefined()) {
      shop = ShopFromJob(part);
      error_ = ReadJobRequest(part, g_separators, request);
      request.stations.reset();
      request.ordinate_step.reset();
    }
    shop.exact = job["exact"].as<bool>() && !shop.NamesShape();
    std::istringstream raw(input);
    DecodedInput decoded(raw);
    std::ostringstream text;
    text << decoded.stream().rdbuf();
    text_ = std::move(text).str();
    // The first line says how the list is written, and so its columns.
    layout_ = ReadListLayout(std::string_view(text_).substr(0, text_.find('\n')));
    columns_ = ShopBatchColumns(shop, request, g_separators, layout_);
    lines_ = std::count(text_.begin(), text_.end(), '\n');
    if (!text_.empty() && text_.back() != '\n') ++lines_;
  }

  long Lines() const { return lines_; }
  // Why the part's fields cannot be read; the list is not computed then.
  std::string Error() const { return error_; }
  long Done() const { return number_ - 1; }
  std::string Header() const { return BatchHeaderLine(columns_, layout_); }
  // Whether the first line was the list's own header row, which is answered
  // with the header line rather than computed.
  bool HeaderSkipped() const { return header_skipped_; }

  // The output lines of up to count more input lines, each ended by '\n';
  // messages for invalid lines go to messages, one per line.
  val Next(int count) {
    std::string results;
    std::string messages;
    for (; count > 0 && position_ < text_.size(); --count, ++number_) {
      std::size_t end = text_.find('\n', position_);
      if (end == std::string::npos) end = text_.size();
      const std::string_view line(text_.data() + position_, end - position_);
      if (number_ == 1 && layout_.named) header_skipped_ = true;
      const BatchLineOutput output =
          ProcessBatchLine(line, number_, g_separators, columns_, layout_);
      results += output.result + '\n';
      if (!output.message.empty()) messages += output.message + '\n';
      position_ = end + 1;
    }
    val slice = val::object();
    slice.set("results", results);
    slice.set("messages", messages);
    return slice;
  }

 private:
  ListLayout layout_;
  BatchColumns columns_;
  std::string error_;
  std::string text_;
  std::size_t position_ = 0;
  long number_ = 1;
  long lines_ = 0;
  bool header_skipped_ = false;
};

}  // namespace
}  // namespace segcalc

EMSCRIPTEN_BINDINGS(segcalc) {
  using namespace segcalc;
  emscripten::function("setSeparators", &SetSeparators);
  emscripten::function("startUp", &StartUp);
  emscripten::function("calculate", &Calculate);
  emscripten::function("exactCircle", &ExactCircleOfJob);
  emscripten::function("shopFields", &ShopFields);
  emscripten::function("report", &Report);
  emscripten::function("dxf", &Dxf);
  emscripten::function("calculatorPicture", &CalculatorPicture);
  emscripten::function("exactPicture", &ExactPictureOfJob);
  emscripten::function("fit", &Fit);
  emscripten::class_<CuttingList>("CuttingList")
      .constructor<const std::string&, const emscripten::val&>()
      .function("lines", &CuttingList::Lines)
      .function("error", &CuttingList::Error)
      .function("done", &CuttingList::Done)
      .function("header", &CuttingList::Header)
      .function("headerSkipped", &CuttingList::HeaderSkipped)
      .function("next", &CuttingList::Next);
}

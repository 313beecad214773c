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
#include "web/cutting_list_binding.h"
#include "web/drawing_binding.h"
#include "web/fit_binding.h"
#include "web/page_separators.h"
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

}  // namespace

const NumberSeparators& PageSeparators() {
  return g_separators;
}

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
      .function("sheetHeader", &CuttingList::SheetHeader)
      .function("headerSkipped", &CuttingList::HeaderSkipped)
      .function("next", &CuttingList::Next)
      .function("totals", &CuttingList::Totals)
      .function("sheetCsv", &CuttingList::SheetCsv)
      .function("sheetHtml", &CuttingList::SheetHtml)
      .function("plan", &CuttingList::Plan);
}

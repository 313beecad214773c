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
#include "calc/result_boxes.h"
#include "cli/batch.h"
#include "cli/input_encoding.h"
#include "cli/shop_output.h"
#include "geometry/arc_part.h"
#include "geometry/compute_record.h"
#include "shopfloor/dxf_writer.h"
#include "shopfloor/html_report.h"
#include "shopfloor/output_files.h"
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

val ExactArray(const ExactSegment& segment) {
  BoxTexts texts;
  for (const Quantity quantity : kQuantities) {
    texts[QuantityIndex(quantity)] = FormatTwoPlaces(ValueOf(segment, quantity), g_separators);
  }
  return TextArray(texts);
}

// The window's start-up: its two example measurements and the ticked check box.
val StartUp() {
  MainForm form(g_separators);
  Form_Load(form);
  val result = val::object();
  result.set("boxes", TextArray(form.texts()));
  result.set("ticked", form.check_value == 1);
  return result;
}

// 确 定, as the window's Command1_Click does it: the three measurement boxes
// and the check box make one compute, which writes its results into the five
// boxes (the others keep what they showed) and says what went wrong, if
// anything. Beside each box it wrote, the exact value of the same two numbers.
val Calculate(const val& shown, bool ticked) {
  BoxTexts boxes;
  TypedInput typed;
  for (const Quantity quantity : kQuantities) {
    boxes[QuantityIndex(quantity)] = shown[QuantityIndex(quantity)].as<std::string>();
    if (IsMeasurement(quantity)) typed.text(quantity) = boxes[QuantityIndex(quantity)];
  }
  typed.mode = ModeOfCheckValue(ticked ? 1 : 0);
  const ComputeRecord record = RecordCompute(std::move(typed), g_separators);
  const ComputeOutcome& outcome = *record.calculator;
  WriteResultTexts(outcome, boxes);

  val result = val::object();
  result.set("boxes", TextArray(boxes));
  result.set("solved", outcome.kind == OutcomeKind::Solved);
  result.set("message", OutcomeMessage(outcome));
  BoxTexts exact;
  if (outcome.texts && record.exact.segment) {
    for (const Quantity quantity : {Quantity::Radius, Quantity::Angle, outcome.given->missing}) {
      exact[QuantityIndex(quantity)] =
          FormatTwoPlaces(ValueOf(*record.exact.segment, quantity), g_separators);
    }
  }
  result.set("exact", TextArray(exact));
  return result;
}

// One job of the 精确与放样 tab, as the page's script hands it over.
struct PartJob {
  ComputeRecord record;
  PartRequest request;
  OutputFormat format;
  std::string error;  // why there is nothing to make
};

// What the shop asks for beside the circle. The ordinate step today; the
// profile, divisions, stations and area options join here, read from the same
// job object, once the geometry layer has them.
std::string ReadPartRequest(const val& job, PartRequest& request) {
  const std::string step = job["step"].as<std::string>();
  if (step.find_first_not_of(' ') == std::string::npos) return {};
  const NumberReading reading = StrictNumber(step, g_separators);
  if (!reading.ok()) return "放样间距不是有效的数字";
  request.ordinate_step = reading.value;
  return {};
}

// job: {boxes: five texts, ticked, step, unit: "mm" | "cm" | "m" | "in"}.
PartJob ReadPartJob(const val& job) {
  TypedInput typed;
  const val boxes = job["boxes"];
  for (const Quantity quantity : kQuantities) {
    typed.text(quantity) = boxes[QuantityIndex(quantity)].as<std::string>();
  }
  typed.mode = ModeOfCheckValue(job["ticked"].as<bool>() ? 1 : 0);
  PartJob part_job;
  part_job.record = RecordCompute(std::move(typed), g_separators);
  part_job.format = {
      ParseLengthUnit(job["unit"].as<std::string>()).value_or(LengthUnit::Millimetre),
      g_separators};
  part_job.error = ReadPartRequest(job, part_job.request);
  return part_job;
}

val ExactPart(const val& job) {
  const PartJob part_job = ReadPartJob(job);
  const ComputeRecord& record = part_job.record;
  val result = val::object();
  result.set("calculator", val::null());
  if (record.calculator) {
    if (record.calculator->texts) {
      BoxTexts boxes;
      for (const Quantity quantity : kQuantities) {
        boxes[QuantityIndex(quantity)] = record.BoxText(quantity);
      }
      result.set("calculator", TextArray(boxes));
    }
    result.set("calculatorMessage", OutcomeMessage(*record.calculator));
  }
  result.set("exact", val::null());
  result.set("ordinates", val::array());
  std::string error = !record.input_error.empty() ? record.input_error : part_job.error;
  if (error.empty() && !record.exact.segment) error = NoExactCircleMessage(record.exact);
  if (error.empty()) {
    const ExactSegment& segment = *record.exact.segment;
    result.set("exact", ExactArray(segment));
    if (record.exact.had_two) {
      result.set("other", "给定的两项还确定另一个圆弧(夹角 " +
                              FormatTwoPlaces(record.exact.other.angle, g_separators) +
                              "),此处取夹角 " + FormatTwoPlaces(segment.angle, g_separators) +
                              " 的一个");
    }
    const ArcPart part = MakePart(segment, part_job.request);
    error = part.ordinates.error;
    for (const Ordinate& row : part.ordinates.rows) {
      val pair = val::array();
      pair.call<void>("push", FormatTwoPlaces(row.x, g_separators));
      pair.call<void>("push", FormatTwoPlaces(row.y, g_separators));
      result["ordinates"].call<void>("push", pair);
    }
    result.set("step", FormatTwoPlaces(part.ordinate_step, g_separators));
    result.set("dxfName", DxfFileName(segment, g_separators));
  }
  result.set("error", error);
  return result;
}

// The report segcalc-cli --report writes, as one page of text; without an
// exact circle it still shows what was typed and what the calculator found.
std::string Report(const val& job) {
  const PartJob part_job = ReadPartJob(job);
  std::ostringstream out;
  if (part_job.record.exact.segment && part_job.error.empty()) {
    const ArcPart part = MakePart(*part_job.record.exact.segment, part_job.request);
    WriteReport(out, part_job.record, &part, part_job.format);
  } else {
    WriteReport(out, part_job.record, nullptr, part_job.format);
  }
  return out.str();
}

// The drawing segcalc-cli --dxf writes; empty without an exact circle.
std::string Dxf(const val& job) {
  const PartJob part_job = ReadPartJob(job);
  if (!part_job.record.exact.segment || !part_job.error.empty()) return {};
  const ArcPart part = MakePart(*part_job.record.exact.segment, part_job.request);
  return DxfText(part, MillimetresPer(part_job.format.unit));
}

// A cutting list computed a slice at a time, so that the worker running it
// can report its progress between slices: each line by the batch's own
// ProcessBatchLine, numbered from 1 as segcalc-cli numbers them.
class CuttingList {
 public:
  // input: the list's bytes, UTF-8 or UTF-16 behind its mark, as a file holds
  // them or as pasted; exact adds the five exact columns (--exact).
  CuttingList(const std::string& input, bool exact) {
    ShopOptions shop;
    shop.exact = exact;
    columns_ = ShopBatchColumns(shop, g_separators);
    std::istringstream raw(input);
    DecodedInput decoded(raw);
    std::ostringstream text;
    text << decoded.stream().rdbuf();
    text_ = std::move(text).str();
    lines_ = std::count(text_.begin(), text_.end(), '\n');
    if (!text_.empty() && text_.back() != '\n') ++lines_;
  }

  long Lines() const { return lines_; }
  long Done() const { return number_ - 1; }
  std::string Header() const { return BatchHeaderLine(columns_); }
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
      if (number_ == 1 && IsHeaderLine(line)) header_skipped_ = true;
      const BatchLineOutput output = ProcessBatchLine(line, number_, g_separators, columns_);
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
  BatchColumns columns_;
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
  emscripten::function("exactCircle", &ExactPart);
  emscripten::function("report", &Report);
  emscripten::function("dxf", &Dxf);
  emscripten::class_<CuttingList>("CuttingList")
      .constructor<const std::string&, bool>()
      .function("lines", &CuttingList::Lines)
      .function("done", &CuttingList::Done)
      .function("header", &CuttingList::Header)
      .function("headerSkipped", &CuttingList::HeaderSkipped)
      .function("next", &CuttingList::Next);
}

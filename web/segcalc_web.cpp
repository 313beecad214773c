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
#include "cli/part_request.h"
#include "cli/shop_output.h"
#include "geometry/arc_part.h"
#include "geometry/compute_record.h"
#include "shopfloor/dxf_writer.h"
#include "shopfloor/html_report.h"
#include "shopfloor/output_files.h"
#include "shopfloor/part_values.h"
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

val ExactArray(const ExactSegment& segment, const OutputFormat& format) {
  BoxTexts texts;
  for (const Quantity quantity : kQuantities) {
    texts[QuantityIndex(quantity)] = format.Value(quantity, ValueOf(segment, quantity));
  }
  return TextArray(texts);
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

// One job of the 精确与放样 tab, as the page's script hands it over.
struct PartJob {
  ComputeRecord record;
  PartRequest request;
  OutputFormat format;
  std::string error;  // why there is nothing to make
};

// What the page's fields are called in its messages.
const PartOptionNames kPageNames{"纵距间距", "型材深度", "所量的面", "中性层系数 K", "两端直段",
                                 "切割余量", "段数",     "最大偏差", "最大板宽",     "放样点"};

// The job's text of a field, absent when the field is empty.
std::optional<std::string> Field(const val& job, const char* name) {
  if (job[name].isUndefined() || job[name].isNull()) return std::nullopt;
  const std::string text = job[name].as<std::string>();
  if (text.find_first_not_of(' ') == std::string::npos) return std::nullopt;
  return text;
}

// The page's part fields as the shop options segcalc-cli takes, read by the
// same reader: the step, the profile, one way of dividing, the stations and
// the area.
std::string ReadJobRequest(const val& job, PartRequest& request) {
  ShopOptions shop;
  shop.ordinate_step = Field(job, "step");
  shop.profile_depth = Field(job, "profile");
  shop.face = Field(job, "face");
  shop.neutral = Field(job, "neutral");
  shop.tails = Field(job, "tails");
  shop.trim = Field(job, "trim");
  if (const std::optional<std::string> value = Field(job, "divideValue")) {
    const std::string by = Field(job, "divideBy").value_or("pieces");
    (by == "max-deviation" ? shop.max_deviation
     : by == "max-panel"   ? shop.max_panel
                           : shop.pieces) = value;
  }
  shop.stations = Field(job, "stations");
  shop.area = !job["area"].isUndefined() && job["area"].as<bool>();
  if (shop.profile_depth && !shop.face) return "填了型材深度,请选所给尺寸是型材的哪一面";
  if (!shop.profile_depth && (shop.neutral || shop.tails || shop.trim)) {
    return "中性层系数、两端直段、切割余量需与型材深度一起填";
  }
  const Checked<PartRequest> read = ReadPartRequest(shop, g_separators, kPageNames);
  if (!read.ok()) return read.error;
  request = *read.value;
  return {};
}

// The part's values as the page shows them: label and text, the division
// points (i, x, y, s) and the stations (x, y, s).
val PartArrays(const ArcPart& part, const OutputFormat& format) {
  val values = val::array();
  const auto add = [&](const std::vector<PartValue>& list) {
    for (const PartValue& value : list) {
      val pair = val::array();
      pair.call<void>("push", value.label);
      pair.call<void>("push", value.text);
      values.call<void>("push", pair);
    }
  };
  const ProfileBend* bend = part.profile && part.profile->ok() ? &*part.profile->value : nullptr;
  if (bend) add(ProfileValues(bend, format));
  val points = val::array();
  if (part.divisions && part.divisions->ok()) {
    const Divisions& divisions = *part.divisions->value;
    add(DivisionValues(&divisions, bend != nullptr, format));
    for (std::size_t i = 0; i < divisions.points.size(); ++i) {
      const DivisionPoint& p = divisions.points[i];
      val row = val::array();
      row.call<void>("push", std::to_string(i));
      for (const double v : {p.x, p.y, p.s}) row.call<void>("push", format.Length(v));
      points.call<void>("push", row);
    }
  }
  if (part.area) add(AreaValues(&*part.area, format));
  val stations = val::array();
  if (part.stations && part.stations->ok()) {
    for (const Station& station : *part.stations->value) {
      val row = val::array();
      for (const double v : {station.x, station.y, station.s})
        row.call<void>("push", format.Length(v));
      stations.call<void>("push", row);
    }
  }
  val errors = val::array();
  for (const std::string& error : part.Errors()) errors.call<void>("push", error);
  val result = val::object();
  result.set("values", values);
  result.set("points", points);
  result.set("stations", stations);
  result.set("errors", errors);
  return result;
}

// job: {boxes: five texts, ticked, unit: "mm" | "cm" | "m" | "in", and the
// part's fields: step, profile, face, neutral, tails, trim, divideBy
// ("pieces" | "max-deviation" | "max-panel"), divideValue, stations, area}.
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
  part_job.error = ReadJobRequest(job, part_job.request);
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
    const OutputFormat& format = part_job.format;
    result.set("exact", ExactArray(segment, format));
    if (record.exact.had_two) {
      result.set("other", "给定的两项还确定另一个圆弧(夹角 " +
                              format.Angle(record.exact.other.angle) + "),此处取夹角 " +
                              format.Angle(segment.angle) + " 的一个");
    }
    const ArcPart part = MakePart(segment, part_job.request);
    error = part.ordinates.error;
    for (const Ordinate& row : part.ordinates.rows) {
      val pair = val::array();
      pair.call<void>("push", format.Length(row.x));
      pair.call<void>("push", format.Length(row.y));
      result["ordinates"].call<void>("push", pair);
    }
    result.set("step", format.Length(part.ordinate_step));
    result.set("dxfName", DxfFileName(segment, format));
    result.set("part", PartArrays(part, format));
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
  return DxfText(DrawPart(part, part_job.format));
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
    shop.exact = job["exact"].as<bool>();
    PartRequest request;
    const val part = job["part"];
    if (!part.isNull() && !part.isUndefined()) {
      error_ = ReadJobRequest(part, request);
      request.stations.reset();
      request.ordinate_step.reset();
      shop.unit = ParseLengthUnit(part["unit"].as<std::string>()).value_or(shop.unit);
    }
    columns_ = ShopBatchColumns(shop, request, g_separators);
    std::istringstream raw(input);
    DecodedInput decoded(raw);
    std::ostringstream text;
    text << decoded.stream().rdbuf();
    text_ = std::move(text).str();
    lines_ = std::count(text_.begin(), text_.end(), '\n');
    if (!text_.empty() && text_.back() != '\n') ++lines_;
  }

  long Lines() const { return lines_; }
  // Why the part's fields cannot be read; the list is not computed then.
  std::string Error() const { return error_; }
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
  emscripten::function("exactCircle", &ExactPart);
  emscripten::function("report", &Report);
  emscripten::function("dxf", &Dxf);
  emscripten::class_<CuttingList>("CuttingList")
      .constructor<const std::string&, const emscripten::val&>()
      .function("lines", &CuttingList::Lines)
      .function("error", &CuttingList::Error)
      .function("done", &CuttingList::Done)
      .function("header", &CuttingList::Header)
      .function("headerSkipped", &CuttingList::HeaderSkipped)
      .function("next", &CuttingList::Next);
}

#include "web/part_binding.h"

#include <sstream>

#include "calc/outcome_message.h"
#include "cli/shop_option_table.h"
#include "shopfloor/dxf_writer.h"
#include "shopfloor/html_report.h"
#include "shopfloor/output_files.h"
#include "shopfloor/part_drawing.h"
#include "shopfloor/part_sections.h"
#include "shopfloor/part_summary.h"
#include "web/part_job.h"
#include "window/commands.h"

namespace segcalc {
namespace {

using emscripten::val;

val Array(const std::vector<std::string>& texts) {
  val array = val::array();
  for (const std::string& text : texts) array.call<void>("push", text);
  return array;
}

val ExactArray(const ExactSegment& segment, const OutputFormat& format) {
  std::vector<std::string> texts;
  for (const Quantity quantity : kQuantities) {
    texts.push_back(format.Value(quantity, ValueOf(segment, quantity)));
  }
  return Array(texts);
}

// The sections as the page renders them: a title, a note and blocks of
// values ([label, text, row, column, in segcalc-cli's lines]) or a table.
val SectionsArray(const std::vector<PartSection>& sections) {
  val list = val::array();
  for (const PartSection& section : sections) {
    if (!section.filled) continue;
    val blocks = val::array();
    for (const SectionBlock& block : section.blocks) {
      val values = val::array();
      for (const SectionValue& value : block.values) {
        val row = Array({value.label, value.text, value.row, value.column});
        row.call<void>("push", value.in_lines);
        values.call<void>("push", row);
      }
      val out = val::object();
      out.set("values", values);
      if (block.table) {
        val table = val::object();
        table.set("line", block.table->line_label);
        table.set("title", block.table->title);
        table.set("columns", Array(block.table->columns));
        val rows = val::array();
        for (const std::vector<std::string>& row : block.table->rows) {
          rows.call<void>("push", Array(row));
        }
        table.set("rows", rows);
        out.set("table", table);
      }
      blocks.call<void>("push", out);
    }
    val item = val::object();
    item.set("title", section.title);
    item.set("note", section.note);
    item.set("blocks", blocks);
    list.call<void>("push", item);
  }
  return list;
}

// A named head's drawing is called after what it is.
std::string FileName(const PartJob& job) {
  const ArcPart& part = *job.part;
  if (!part.head.named && part.circle()) return DxfFileName(*part.circle(), job.format);
  return part.head.Name() + " 跨度" + job.format.Length(part.head.Span()) + " 拱高" +
         job.format.Length(part.head.Rise()) + ".dxf";
}

void CalculatorBeside(const ComputeRecord& record, val& result) {
  result.set("calculator", val::null());
  if (!record.calculator) return;
  if (record.calculator->texts) {
    std::vector<std::string> boxes;
    for (const Quantity quantity : kQuantities) boxes.emplace_back(record.BoxText(quantity));
    result.set("calculator", Array(boxes));
  }
  result.set("calculatorMessage", OutcomeMessage(*record.calculator));
}

}  // namespace

val ExactPart(const val& job, const NumberSeparators& separators) {
  const PartJob& work = JobOf(job, separators);
  const OutputFormat& format = work.format;
  val result = val::object();
  result.set("calculator", val::null());
  result.set("exact", val::null());
  result.set("ordinates", val::array());
  result.set("sections", val::array());
  result.set("summary", val::array());
  result.set("errors", val::array());
  result.set("named", work.record ? false : true);
  if (work.record) {
    CalculatorBeside(*work.record, result);
    const ExactChoice& exact = work.record->exact;
    if (exact.segment && work.error.empty()) {
      result.set("exact", ExactArray(*exact.segment, format));
      if (exact.had_two) {
        result.set("other", "给定的两项还确定另一个圆弧(夹角 " + format.Angle(exact.other.angle) +
                                "),此处取夹角 " + format.Angle(exact.segment->angle) + " 的一个");
      }
    }
  }
  std::string error = work.error;
  if (work.part) {
    const ArcPart& part = *work.part;
    if (error.empty()) error = part.ordinates.error;
    for (const Ordinate& row : part.ordinates.rows) {
      result["ordinates"].call<void>("push", Array({format.Length(row.x), format.Length(row.y)}));
    }
    result.set("step", format.Length(part.ordinate_step));
    result.set("dxfName", FileName(work));
    result.set("sections", SectionsArray(PartSections(&part, LayoutOf(part), format)));
    if (error.empty()) {
      for (const SectionValue& value : PartSummary(part, format)) {
        result["summary"].call<void>("push", Array({value.label, value.text}));
      }
    }
    result.set("errors", Array(part.Errors()));
  }
  result.set("error", error);
  return result;
}

// The report segcalc-cli --report writes, as one page of text; without a
// part it still shows what was typed and what the calculator found.
std::string PartReport(const val& job, const NumberSeparators& separators) {
  const PartJob& work = JobOf(job, separators);
  std::ostringstream out;
  const ArcPart* part = work.part && work.error.empty() ? &*work.part : nullptr;
  if (work.record) {
    WriteReport(out, *work.record, part, work.format);
  } else if (part) {
    WriteHeadReport(out, work.given, *part, work.format);
  }
  return out.str();
}

// The drawing segcalc-cli --dxf writes; empty without a part.
std::string PartDxf(const val& job, const NumberSeparators& separators) {
  const PartJob& work = JobOf(job, separators);
  if (!work.part || !work.error.empty()) return {};
  return DxfText(DrawPart(*work.part, work.format));
}

// The option table's fields for the page: [key, the page's name, a flag].
val ShopFields() {
  val fields = val::array();
  for (const ShopOptionRow& row : ShopOptionTable()) {
    if (row.field.empty()) continue;
    val field = val::array();
    field.call<void>("push", std::string(row.field));
    field.call<void>("push", std::string(row.page_name));
    field.call<void>("push", row.flag != nullptr);
    fields.call<void>("push", field);
  }
  return fields;
}

}  // namespace segcalc

#include "web/part_job.h"

#include <utility>

#include "cli/part_request.h"
#include "cli/shop_option_table.h"
#include "shopfloor/output_files.h"

namespace segcalc {
namespace {

using emscripten::val;

// The job's text of a field, absent when the field is empty.
std::optional<std::string> Field(const val& job, std::string_view name) {
  const val value = job[std::string(name)];
  if (value.isUndefined() || value.isNull()) return std::nullopt;
  const std::string text = value.as<std::string>();
  if (text.find_first_not_of(' ') == std::string::npos) return std::nullopt;
  return text;
}

TypedInput TypedOf(const val& job) {
  TypedInput typed;
  const val boxes = job["boxes"];
  for (const Quantity quantity : kQuantities) {
    typed.text(quantity) = boxes[QuantityIndex(quantity)].as<std::string>();
  }
  typed.mode = ModeOfCheckValue(job["ticked"].as<bool>() ? 1 : 0);
  return typed;
}

// What the report lists as given for a named head.
std::vector<GivenText> HeadGiven(const ShopOptions& shop, const TypedInput& typed) {
  std::vector<GivenText> given = {{"拱形", shop.shape.value_or("")},
                                  {"跨度", typed.text(Quantity::Chord)},
                                  {"拱高", typed.text(Quantity::Height)}};
  if (shop.radius) given.push_back({"半径", *shop.radius});
  for (const ShopOptionRow& row : ShopOptionTable()) {
    if (row.text && row.needs == "--shape" && (shop.*row.text)) {
      given.push_back({OptionName(row, OptionVoice::Page), *(shop.*row.text)});
    }
  }
  return given;
}

PartJob WorkOut(const val& job, const NumberSeparators& separators) {
  PartJob part_job;
  ShopOptions shop = ShopFromJob(job);
  part_job.format = {shop.unit, separators};
  PartRequest request;
  std::string error = ReadJobRequest(job, separators, request);
  // The report's paper; a page that sends none prints on A4.
  const Checked<SheetSetup> sheets = ReadSheetSetup(shop, OptionVoice::Page);
  if (error.empty() && !sheets.ok()) error = sheets.error;
  if (sheets.ok()) part_job.format.sheets = *sheets.value;
  TypedInput typed = TypedOf(job);
  if (shop.NamesShape()) {
    const std::string& radius = typed.text(Quantity::Radius);
    if (!radius.empty()) shop.radius = radius;
    part_job.given = HeadGiven(shop, typed);
    if (error.empty() && !typed.text(Quantity::Arc).empty()) error = "给定拱形时不用弧长";
    if (error.empty()) {
      const Checked<HeadRequest> head =
          ReadHeadRequest(shop, {typed.text(Quantity::Chord), typed.text(Quantity::Height)},
                          separators, OptionVoice::Page);
      if (!head.ok()) {
        error = head.error;
      } else if (const Checked<ArchHead> made = MakeHead(*head.value); !made.ok()) {
        error = made.error;
      } else {
        part_job.part = MakePart(*made.value, request);
      }
    }
    part_job.error = error;
    return part_job;
  }
  part_job.record = RecordCompute(std::move(typed), separators);
  const ComputeRecord& record = *part_job.record;
  if (error.empty()) error = record.input_error;
  if (error.empty() && !record.exact.segment) error = NoExactCircleMessage(record.exact);
  if (error.empty()) part_job.part = MakePart(*record.exact.segment, request);
  part_job.error = error;
  return part_job;
}

}  // namespace

ShopOptions ShopFromJob(const val& job) {
  ShopOptions shop;
  for (const ShopOptionRow& row : ShopOptionTable()) {
    if (row.field.empty()) continue;
    if (row.flag) {
      const val value = job[std::string(row.field)];
      shop.*row.flag = !value.isUndefined() && !value.isNull() && value.as<bool>();
    } else if (row.text) {
      shop.*row.text = Field(job, row.field);
    } else if (row.field == "unit") {
      shop.unit =
          ParseLengthUnit(Field(job, "unit").value_or("mm")).value_or(LengthUnit::Millimetre);
    }
  }
  // The segment is the calculator's own: no head to name.
  if (shop.shape == "segment") shop.shape.reset();
  return shop;
}

std::string ReadJobRequest(const val& job, const NumberSeparators& separators,
                           PartRequest& request) {
  const ShopOptions shop = ShopFromJob(job);
  if (std::string problem = CheckShopOptions(shop, false, OptionVoice::Page); !problem.empty()) {
    return problem;
  }
  const Checked<PartRequest> read = ReadPartRequest(shop, separators, OptionVoice::Page);
  if (!read.ok()) return read.error;
  request = *read.value;
  return {};
}

const PartJob& JobOf(const val& job, const NumberSeparators& separators) {
  static std::string last_key;
  static std::optional<PartJob> last;
  std::string key = val::global("JSON").call<std::string>("stringify", job);
  key += '\n' + separators.decimal + '\n' + separators.thousands;
  if (!last || key != last_key) {
    last = WorkOut(job, separators);
    last_key = std::move(key);
  }
  return *last;
}

}  // namespace segcalc

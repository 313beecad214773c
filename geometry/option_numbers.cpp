#include "geometry/option_numbers.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "calc/number_text.h"

namespace segcalc {
namespace {

// The full stop as decimal point, no grouping: a comma is never part of a number.
const NumberSeparators kOptionSeparators{".", ""};

std::string ItemName(std::size_t index) {
  return "第 " + std::to_string(index + 1) + " 项";
}

bool IsBlank(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

}  // namespace

Checked<double> ReadOptionNumber(std::string_view text) {
  if (IsBlank(text)) return Refused("未给出数值");
  const NumberReading reading = StrictNumber(text, kOptionSeparators);
  if (reading.status == ConversionStatus::TypeMismatch) {
    return Refused("不是有效的数字(小数点请用 .)");
  }
  if (reading.status == ConversionStatus::Overflow ||
      !(std::abs(reading.value) <= kMaxOptionNumber)) {
    return Refused("数值太大,绝对值应不超过 " + FormatNumber(kMaxOptionNumber, kOptionSeparators));
  }
  return Accepted(reading.value);
}

Checked<std::vector<double>> ReadOptionList(std::string_view text, std::size_t max_items) {
  // The full-width comma of a Chinese input method separates items too.
  const std::string ascii = WithAsciiForms(text);
  if (IsBlank(ascii)) return Refused("未给出数值");
  const auto commas = static_cast<std::size_t>(std::count(ascii.begin(), ascii.end(), ','));
  if (commas >= max_items) {
    return Refused("数值太多,最多 " + std::to_string(max_items) + " 个");
  }
  std::vector<double> values;
  values.reserve(commas + 1);
  std::size_t start = 0;
  for (std::size_t index = 0; index <= commas; ++index) {
    const std::size_t end = std::min(ascii.find(',', start), ascii.size());
    const std::string_view item = std::string_view(ascii).substr(start, end - start);
    if (IsBlank(item)) return Refused(ItemName(index) + "为空");
    const Checked<double> number = ReadOptionNumber(item);
    if (!number.ok()) return Refused(ItemName(index) + number.error);
    values.push_back(*number.value);
    start = end + 1;
  }
  return Accepted(std::move(values));
}

Checked<Tails> ReadTails(std::string_view text) {
  const Checked<std::vector<double>> list = ReadOptionList(text, 2);
  if (!list.ok()) return Refused("尾料长度:" + list.error);
  const std::vector<double>& lengths = *list.value;
  const Tails tails{lengths.front(), lengths.back()};
  if (tails.a < 0 || tails.b < 0) return Refused("尾料长度不能为负数");
  return Accepted(tails);
}

}  // namespace segcalc

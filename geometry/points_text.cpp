#include "geometry/points_text.h"

#include <cmath>
#include <string>

namespace segcalc {
namespace {

constexpr std::string_view kByteOrderMark = "\xef\xbb\xbf";

bool IsBlank(std::string_view text) {
  return text.find_first_not_of(" \t") == std::string_view::npos;
}

// A field read with the full stop, then with the user's decimal separator.
NumberReading ReadField(std::string_view field, const NumberSeparators& separators) {
  const NumberReading reading = StrictNumber(field, {".", ""});
  if (reading.status != ConversionStatus::TypeMismatch || separators.decimal == ".") return reading;
  return StrictNumber(field, {separators.decimal, ""});
}

std::string LineName(std::size_t line) {
  return "第 " + std::to_string(line) + " 行";
}

// The reason a field gives no coordinate, or empty when it gives one.
std::string FieldProblem(const NumberReading& reading, std::string_view axis) {
  if (reading.status == ConversionStatus::TypeMismatch) {
    return "的 " + std::string(axis) + " 不是有效的数字";
  }
  if (reading.status == ConversionStatus::Overflow ||
      !(std::abs(reading.value) <= kMaxFitCoordinate)) {
    return "的 " + std::string(axis) + " 太大";
  }
  return {};
}

}  // namespace

Checked<std::vector<PlanePoint>> ReadPoints(std::string_view text,
                                            const NumberSeparators& separators) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  std::vector<PlanePoint> points;
  std::size_t line_number = 0;
  while (!text.empty()) {
    ++line_number;
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (IsBlank(line)) continue;

    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos || line.find('\t', tab + 1) != std::string_view::npos) {
      return Refused(LineName(line_number) + "应为以制表符分隔的两个数 x 与 y");
    }
    const NumberReading x = ReadField(line.substr(0, tab), separators);
    const NumberReading y = ReadField(line.substr(tab + 1), separators);
    for (const std::string& problem : {FieldProblem(x, "x"), FieldProblem(y, "y")}) {
      if (!problem.empty()) return Refused(LineName(line_number) + problem);
    }
    if (points.size() == kMaxFitPoints) {
      return Refused("测点太多,最多 " + std::to_string(kMaxFitPoints) + " 个");
    }
    points.push_back({x.value, y.value});
  }
  if (points.empty()) return Refused("文件中没有测点");
  return Accepted(std::move(points));
}

}  // namespace segcalc

#include "geometry/points_text.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <utility>

namespace segcalc {
namespace {

constexpr std::string_view kByteOrderMark = "\xef\xbb\xbf";
constexpr std::string_view kFullWidthSemicolon = "\xef\xbc\x9b";

bool IsBlank(std::string_view text) {
  return text.find_first_not_of(" \t") == std::string_view::npos;
}

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The line with its full-width forms in ASCII, the semicolon too, which the
// number readers have no use for.
std::string AsciiLine(std::string_view line) {
  const std::string ascii = WithAsciiForms(line);
  std::string result;
  result.reserve(ascii.size());
  for (std::size_t at = 0; at < ascii.size();) {
    if (std::string_view(ascii).substr(at).starts_with(kFullWidthSemicolon)) {
      result += ';';
      at += kFullWidthSemicolon.size();
    } else {
      result += ascii[at++];
    }
  }
  return result;
}

bool HasDigit(std::string_view ascii_line) {
  return ascii_line.find_first_of("0123456789") != std::string_view::npos;
}

// The two fields of a line by the rules in the header, or why there are not
// two.
struct Fields {
  std::string_view x, y;
  std::string problem;
};

Fields SplitAt(std::string_view line, std::size_t at, std::size_t length) {
  return {Trimmed(line.substr(0, at)), Trimmed(line.substr(at + length)), {}};
}

Fields SplitLine(std::string_view line, bool comma_is_decimal) {
  const Fields not_two{{}, {}, "应为两个数 x 与 y,以制表符、空格、逗号或分号分隔"};
  line = Trimmed(line);
  // 1. A tab or a semicolon.
  const std::size_t strong = line.find_first_of("\t;");
  if (strong != std::string_view::npos) {
    if (line.find_first_of("\t;", strong + 1) != std::string_view::npos) return not_two;
    return SplitAt(line, strong, 1);
  }
  // 2. Blanks, maybe with one comma among them.
  const std::size_t blank = line.find(' ');
  if (blank != std::string_view::npos) {
    std::size_t start = blank;
    while (start > 0 && line[start - 1] == ',') --start;
    const std::size_t end = line.find_first_not_of(" ,", blank);
    if (end == std::string_view::npos) return not_two;  // "12 ,": no y
    const std::string_view separator = line.substr(start, end - start);
    if (std::count(separator.begin(), separator.end(), ',') > 1 ||
        line.find(' ', end) != std::string_view::npos) {
      return not_two;
    }
    return SplitAt(line, start, end - start);
  }
  // 3. The one comma.
  const std::size_t comma = line.find(',');
  if (comma == std::string_view::npos) return not_two;
  if (line.find(',', comma + 1) != std::string_view::npos) {
    if (!comma_is_decimal) return not_two;
    return {{}, {}, "的逗号既可能是小数点也可能是分隔符,请用制表符、空格或分号分隔 x 与 y"};
  }
  return SplitAt(line, comma, 1);
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
  const bool comma_is_decimal = separators.decimal == ",";
  std::vector<PlanePoint> points;
  std::size_t line_number = 0;
  bool first_line = true;
  while (!text.empty()) {
    ++line_number;
    const std::size_t end = text.find('\n');
    std::string_view raw = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (raw.ends_with('\r')) raw.remove_suffix(1);
    const std::string line = AsciiLine(raw);
    if (IsBlank(line)) continue;
    // A spreadsheet's column names: no number in them.
    if (std::exchange(first_line, false) && !HasDigit(line)) continue;

    const Fields fields = SplitLine(line, comma_is_decimal);
    if (!fields.problem.empty()) return Refused(LineName(line_number) + fields.problem);
    const NumberReading x = ReadField(fields.x, separators);
    const NumberReading y = ReadField(fields.y, separators);
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

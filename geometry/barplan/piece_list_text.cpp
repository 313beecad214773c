#include "geometry/barplan/piece_list_text.h"

#include <cmath>
#include <string>

namespace segcalc::barplan {
namespace {

constexpr std::string_view kByteOrderMark = "\xef\xbb\xbf";

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The tab-separated fields of a row, empty ones at its end dropped.
std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(
        Trimmed(line.substr(start, tab == std::string_view::npos ? tab : tab - start)));
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  while (!fields.empty() && fields.back().empty()) fields.pop_back();
  return fields;
}

// A field read with the full stop, then with the user's decimal separator.
NumberReading ReadField(std::string_view field, const NumberSeparators& separators) {
  const NumberReading reading = StrictNumber(field, {".", ""});
  if (reading.status != ConversionStatus::TypeMismatch || separators.decimal == ".") return reading;
  return StrictNumber(field, {separators.decimal, ""});
}

// A first field without a digit names a column ("长度"); one with digits is
// a length, perhaps mistyped, and is read as one.
bool IsHeading(std::string_view field) {
  const std::string ascii = WithAsciiForms(field);
  return ascii.find_first_of("0123456789") == std::string::npos;
}

std::string LineName(std::size_t line) {
  return "第 " + std::to_string(line) + " 行";
}

// A whole count from `least` to `most`, or the reason there is none.
std::string CountProblem(const NumberReading& reading, long long least, long long most,
                         const char* name) {
  const bool whole =
      reading.ok() && std::isfinite(reading.value) && reading.value == std::floor(reading.value);
  if (!whole || reading.value < static_cast<double>(least)) {
    return std::string("的") + name + (least > 0 ? "应为正整数" : "应为不小于 0 的整数");
  }
  if (reading.value > static_cast<double>(most)) {
    return std::string("的") + name + "太大,最多 " + std::to_string(most);
  }
  return {};
}

// A piece or a bar has a finite length above nothing.
bool IsLength(const NumberReading& length) {
  return length.ok() && std::isfinite(length.value) && length.value > 0;
}

// Calls `row` with each row's fields and line number; a header first row is
// skipped. Stops at the first refusal `row` gives.
template <typename Row>
std::string EachRow(std::string_view text, Row row) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  bool first = true;
  std::size_t line_number = 0;
  while (!text.empty()) {
    ++line_number;
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    const std::vector<std::string_view> fields = Fields(line);
    if (fields.empty()) continue;
    const bool header = first && IsHeading(fields.front());
    first = false;
    if (header) continue;
    if (std::string problem = row(fields, line_number); !problem.empty()) return problem;
  }
  return {};
}

}  // namespace

Checked<std::vector<PieceLine>> ReadPieceList(std::string_view text,
                                              const NumberSeparators& separators) {
  std::vector<PieceLine> pieces;
  long long total = 0;
  const std::string problem =
      EachRow(text, [&](const std::vector<std::string_view>& fields, std::size_t line) {
        if (fields.size() < 2 || fields.size() > 3) {
          return LineName(line) + "应为以制表符分隔的长度、数量和(可省略的)标记";
        }
        const NumberReading length = ReadField(fields[0], separators);
        if (!IsLength(length)) return LineName(line) + "的长度应为大于 0 的数";
        const NumberReading quantity = ReadField(fields[1], separators);
        if (std::string why = CountProblem(quantity, 1, kMaxPieces - total, "数量"); !why.empty()) {
          if (quantity.ok() && quantity.value >= 1 && total > 0 &&
              quantity.value == std::floor(quantity.value)) {
            return LineName(line) + ":零件太多,一次最多切 " + std::to_string(kMaxPieces) + " 根";
          }
          return LineName(line) + why;
        }
        const auto count = static_cast<long long>(quantity.value);
        total += count;
        pieces.push_back({length.value, count,
                          fields.size() == 3 ? std::string(fields[2]) : std::string(), line});
        return std::string();
      });
  if (!problem.empty()) return Refused(problem);
  if (pieces.empty()) return Refused("文件中没有零件");
  return Accepted(std::move(pieces));
}

Checked<std::vector<RackLine>> ReadRackList(std::string_view text,
                                            const NumberSeparators& separators) {
  std::vector<RackLine> rack;
  long long total = 0;
  const std::string problem =
      EachRow(text, [&](const std::vector<std::string_view>& fields, std::size_t line) {
        if (fields.size() != 2) return LineName(line) + "应为以制表符分隔的长度和根数";
        const NumberReading length = ReadField(fields[0], separators);
        if (!IsLength(length)) return LineName(line) + "的长度应为大于 0 的数";
        const NumberReading count = ReadField(fields[1], separators);
        if (std::string why = CountProblem(count, 0, kMaxRackBars - total, "根数"); !why.empty()) {
          return LineName(line) + why;
        }
        total += static_cast<long long>(count.value);
        rack.push_back({length.value, static_cast<long long>(count.value), line});
        return std::string();
      });
  if (!problem.empty()) return Refused(problem);
  if (rack.empty()) return Refused("文件中没有库存料");
  return Accepted(std::move(rack));
}

}  // namespace segcalc::barplan

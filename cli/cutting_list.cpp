#include "cli/cutting_list.h"

#include <algorithm>

#include "calc/number_text.h"

namespace segcalc {
namespace {

struct ColumnWord {
  std::string_view word;
  ListColumn column;
};

constexpr ColumnWord kWords[] = {
    {"编号", ListColumn::Mark},      {"件号", ListColumn::Mark},  {"标记", ListColumn::Mark},
    {"弧长", ListColumn::Arc},       {"弦长", ListColumn::Chord}, {"弦高", ListColumn::Height},
    {"小于半圆", ListColumn::Check}, {"勾选", ListColumn::Check}, {"数量", ListColumn::Quantity},
    {"件数", ListColumn::Quantity},  {"拱形", ListColumn::Shape}, {"跨度", ListColumn::Span},
    {"拱高", ListColumn::Rise},
};

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

ListColumn ColumnOf(std::string_view name) {
  const std::string_view word = Trimmed(name);
  for (const ColumnWord& known : kWords) {
    if (known.word == word) return known.column;
  }
  return ListColumn::Other;
}

// ASCII digits, and full-width ones as a Chinese input method types them.
bool HoldsDigit(std::string_view text) {
  return WithAsciiForms(text).find_first_of("0123456789") != std::string::npos;
}

char SeparatorOf(std::string_view line) {
  if (line.find('\t') != std::string_view::npos) return '\t';
  if (line.find(';') != std::string_view::npos) return ';';
  if (line.find(',') != std::string_view::npos) return ',';
  return '\t';
}

std::string SeparatorName(char separator) {
  return separator == '\t' ? "制表符" : separator == ';' ? "分号" : "逗号";
}

// Blanks around it allowed; 1 and nothing tick 小于半圆, 0 clears it.
std::optional<SolveMode> CheckOf(std::string_view text) {
  const std::string ascii = WithAsciiForms(text);
  const std::string_view value = Trimmed(ascii);
  if (value.empty() || value == "1") return SolveMode::MinorArc;
  if (value == "0") return SolveMode::MajorArc;
  return std::nullopt;
}

std::optional<long long> QuantityOf(std::string_view text) {
  const std::string ascii = WithAsciiForms(text);
  const std::string_view digits = Trimmed(ascii);
  if (digits.empty() || digits.size() > 7 ||
      digits.find_first_not_of("0123456789") != digits.npos) {
    return std::nullopt;
  }
  long long value = 0;
  for (const char digit : digits) value = value * 10 + (digit - '0');
  if (value < 1 || value > kMaxQuantity) return std::nullopt;
  return value;
}

constexpr long kMostListColumns = 256;

const std::string kCheckProblem = "小于半圆(勾选)一栏只能是 1、0 或空";
const std::string kQuantityProblem =
    "数量一栏应为 1 到 " + std::to_string(kMaxQuantity) + " 之间的整数";

}  // namespace

std::vector<std::string> SplitListFields(std::string_view line, const ListLayout& layout) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (layout.quoted && c == '"') {
      if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
        fields.back() += '"';
        ++i;
      } else {
        quoted = !quoted;
      }
    } else if (c == layout.separator && !quoted) {
      fields.emplace_back();
    } else {
      // A tab inside a CSV cell would split the tab-separated output's
      // columns: it is read as the blank it looks like.
      fields.back() += c == '\t' ? ' ' : c;
    }
  }
  return fields;
}

ListLayout ReadListLayout(std::string_view first_line) {
  ListLayout layout;
  layout.separator = SeparatorOf(first_line);
  layout.quoted = layout.separator != '\t';
  if (!IsHeaderLine(first_line)) return layout;
  layout.named = true;
  for (std::string& name : SplitListFields(first_line, layout)) {
    layout.columns.push_back(ColumnOf(name));
    layout.names.emplace_back(Trimmed(name));
  }
  return layout;
}

bool IsHeaderLine(std::string_view text) {
  if (HoldsDigit(text) || Trimmed(text).empty() || text.find_first_not_of(" \t\r") == text.npos) {
    return false;
  }
  ListLayout plain;
  plain.separator = SeparatorOf(text);
  // No shop heads a list with thousands of columns: such a line is not split
  // into its fields to find out.
  if (std::count(text.begin(), text.end(), plain.separator) >= kMostListColumns) return false;
  plain.quoted = plain.separator != '\t';
  const std::vector<std::string> fields = SplitListFields(text, plain);
  if (fields.size() == 3 || fields.size() == 4) return true;
  return std::any_of(fields.begin(), fields.end(),
                     [](const std::string& field) { return ColumnOf(field) != ListColumn::Other; });
}

ParsedListLine ParseListLine(std::string_view text, const ListLayout& layout) {
  // A line of millions of separators must not cost a field each only to be
  // refused: a plain list has at most five.
  const auto separators = std::count(text.begin(), text.end(), layout.separator);
  if (!layout.named && !layout.quoted && (separators < 2 || separators > 4)) {
    return {std::nullopt,
            "应有 3 到 5 个以制表符分隔的字段,实有 " + std::to_string(separators + 1) + " 个"};
  }
  if (layout.named && static_cast<std::size_t>(separators) >= 4 * layout.columns.size() + 16) {
    return {std::nullopt, "字段比标题行的 " + std::to_string(layout.columns.size()) + " 栏多"};
  }
  const std::vector<std::string> fields = SplitListFields(text, layout);
  std::vector<ListColumn> columns = layout.columns;
  if (!layout.named) {
    if (fields.size() < 3 || fields.size() > 5) {
      return {std::nullopt, "应有 3 到 5 个以" + SeparatorName(layout.separator) +
                                "分隔的字段,实有 " + std::to_string(fields.size()) + " 个"};
    }
    columns = {ListColumn::Arc, ListColumn::Chord, ListColumn::Height, ListColumn::Check,
               ListColumn::Quantity};
  } else if (fields.size() > columns.size()) {
    return {std::nullopt, "字段比标题行的 " + std::to_string(columns.size()) + " 栏多"};
  }
  ListLine line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const std::string& field = fields[i];
    switch (columns[i]) {
      case ListColumn::Arc:
        line.typed.text(Quantity::Arc) = field;
        break;
      case ListColumn::Chord:
      case ListColumn::Span:
        if (line.typed.text(Quantity::Chord).empty()) line.typed.text(Quantity::Chord) = field;
        break;
      case ListColumn::Height:
      case ListColumn::Rise:
        if (line.typed.text(Quantity::Height).empty()) line.typed.text(Quantity::Height) = field;
        break;
      case ListColumn::Check: {
        const std::optional<SolveMode> mode = CheckOf(field);
        if (!mode) return {std::nullopt, kCheckProblem};
        line.typed.mode = *mode;
        break;
      }
      case ListColumn::Quantity: {
        // An empty cell, as spreadsheets export one, is a quantity of one.
        if (Trimmed(field).empty()) {
          if (layout.named) line.echoed.push_back("1");
          break;
        }
        const std::optional<long long> quantity = QuantityOf(field);
        if (!quantity) return {std::nullopt, kQuantityProblem};
        line.quantity = *quantity;
        line.quantity_given = true;
        line.echoed.push_back(std::to_string(*quantity));
        break;
      }
      case ListColumn::Mark:
        line.mark = std::string(Trimmed(field));
        line.echoed.push_back(line.mark);
        break;
      case ListColumn::Shape:
        if (!Trimmed(field).empty()) line.shape = std::string(Trimmed(field));
        line.echoed.push_back(std::string(Trimmed(field)));
        break;
      case ListColumn::Other:
        line.echoed.push_back(field);
        break;
    }
  }
  // A named list keeps its columns on every line, short lines too.
  if (layout.named) line.echoed.resize(EchoedNames(layout).size());
  return {std::move(line), {}};
}

bool IsEchoed(ListColumn column) {
  return column == ListColumn::Mark || column == ListColumn::Quantity ||
         column == ListColumn::Shape || column == ListColumn::Other;
}

std::vector<std::string> EchoedNames(const ListLayout& layout) {
  std::vector<std::string> names;
  if (!layout.named) return names;
  for (std::size_t i = 0; i < layout.columns.size(); ++i) {
    if (IsEchoed(layout.columns[i])) names.push_back(layout.names[i]);
  }
  return names;
}

}  // namespace segcalc

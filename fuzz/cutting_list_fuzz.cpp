// A cutting list on any bytes: its first line says how it is written (tabs
// or CSV, named columns or not), every other line is read by that; whatever
// they hold, a line is read (its quantity 1 to the most, its echoed cells as
// many as the named columns echo) or refused with a reason, and its output
// line keeps the list's columns.
#include <cstdint>
#include <string>
#include <string_view>

#include "cli/batch.h"
#include "fuzz/fuzz_check.h"

using namespace segcalc;

namespace {

std::size_t Count(const std::string& text, char c) {
  std::size_t n = 0;
  for (const char x : text) n += x == c;
  return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::size_t end = text.find('\n');
  const ListLayout layout = ReadListLayout(text.substr(0, end));
  FUZZ_CHECK(layout.columns.size() == layout.names.size());
  FUZZ_CHECK(layout.named || layout.columns.empty());
  const std::size_t echoed = EchoedNames(layout).size();
  const BatchColumns columns;
  const std::string header = BatchHeaderLine(columns, layout);
  long number = 1;
  while (!text.empty()) {
    const std::size_t stop = text.find('\n');
    const std::string_view line = text.substr(0, stop);
    text.remove_prefix(stop == std::string_view::npos ? text.size() : stop + 1);
    if (number++ == 1 && layout.named) continue;
    const ParsedListLine parsed = ParseListLine(line, layout);
    if (!parsed.line) {
      FUZZ_CHECK(!parsed.error.empty());
      continue;
    }
    FUZZ_CHECK(parsed.line->quantity >= 1 && parsed.line->quantity <= kMaxQuantity);
    if (layout.named) FUZZ_CHECK(parsed.line->echoed.size() == echoed);
    // A named list's output line has the header's columns, whatever the line
    // held (its cells cannot hold a tab or a line break).
    if (layout.named && line.find('\r') == std::string_view::npos) {
      const BatchLineOutput output = ProcessBatchLine(line, 2, {".", ","}, columns, layout);
      if (line.empty()) {
        // An empty line stays one, where the list had it.
        FUZZ_CHECK(output.result.empty());
      } else if (output.status == 0 && Count(output.result, '\n') == 0) {
        FUZZ_CHECK(Count(output.result, '\t') == Count(header, '\t'));
      }
    }
  }
  return 0;
}

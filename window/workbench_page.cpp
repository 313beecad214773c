#include "window/workbench_page.h"

#include <cstdio>

#include "shopfloor/utf8_path.h"

namespace segcalc {
namespace {

// A JSON string of the text. Every "<" is written \u003c: then no typed text
// can end the block ("</script>") or, by "<!--<script>", make the parser
// carry the block on over the page's own scripts, as "<\/" alone would allow.
std::string JsonString(std::string_view text) {
  std::string json = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (byte < 0x20 || c == '<') {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      json += escaped;
    } else {
      json += c;
    }
  }
  return json + "\"";
}

}  // namespace

std::vector<std::filesystem::path> WorkbenchPageCandidates(
    const std::filesystem::path& program_folder) {
  std::vector<std::filesystem::path> places;
  if (!program_folder.empty()) places.push_back(program_folder / kWorkbenchPageName);
#ifdef SEGCALC_INSTALLED_PAGE
  places.push_back(PathFromUtf8(SEGCALC_INSTALLED_PAGE));
#endif
  if (!program_folder.empty()) {
    places.push_back(
        (program_folder / ".." / "share" / "segcalc" / kWorkbenchPageName).lexically_normal());
  }
#ifdef SEGCALC_BUILD_TREE_PAGE
  places.push_back(PathFromUtf8(SEGCALC_BUILD_TREE_PAGE));
#endif
  return places;
}

std::filesystem::path FirstExistingFile(const std::vector<std::filesystem::path>& places) {
  for (const std::filesystem::path& place : places) {
    std::error_code error;
    if (std::filesystem::is_regular_file(place, error)) return place;
  }
  return {};
}

std::string WorkbenchJobBlock(const MainForm& form) {
  // The keys of the page's fragment (web/js/state.js): the tab, then the
  // calculator's boxes and its check box.
  std::string json = "{\"t\":\"calc\"";
  const std::pair<const char*, Quantity> boxes[] = {
      {"ca", Quantity::Arc}, {"cc", Quantity::Chord}, {"ch", Quantity::Height}};
  for (const auto& [key, box] : boxes) {
    json += std::string(",\"") + key + "\":" + JsonString(form.text(box));
  }
  json += std::string(",\"cm\":\"") + (form.check_value == 1 ? "1" : "0") + "\"";
  // The window's separators: the boxes hold numbers as the user's locale
  // writes them, which a browser in another language would not read.
  json += ",\"sd\":" + JsonString(form.separators().decimal) +
          ",\"sg\":" + JsonString(form.separators().thousands) + "}";
  return "<script id=\"segcalc-job\" type=\"application/json\">" + json + "</script>\n";
}

std::optional<std::string> PageWithJob(std::string_view page, std::string_view block) {
  const std::size_t head_end = page.find("</head>");
  if (head_end == std::string_view::npos) return std::nullopt;
  std::string copy;
  copy.reserve(page.size() + block.size());
  copy.append(page.substr(0, head_end)).append(block).append(page.substr(head_end));
  return copy;
}

}  // namespace segcalc

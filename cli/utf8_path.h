#pragma once

#include <filesystem>
#include <string>

namespace segcalc {

// A file name as the user typed it, in UTF-8, so that a Chinese name opens on
// every system (on Windows a plain narrow string would be read as GBK).
inline std::filesystem::path PathFromUtf8(const std::string& text) {
  return std::filesystem::path(
      std::u8string(reinterpret_cast<const char8_t*>(text.data()), text.size()));
}

}  // namespace segcalc

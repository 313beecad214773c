#pragma once

#include <filesystem>
#include <string>

namespace segcalc {

// File names travel as UTF-8, as the user typed them, so that a Chinese name
// opens on every system (on Windows a plain narrow string would be read as GBK).
inline std::filesystem::path PathFromUtf8(const std::string& text) {
  return std::filesystem::path(
      std::u8string(reinterpret_cast<const char8_t*>(text.data()), text.size()));
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

}  // namespace segcalc

#pragma once

#ifdef _WIN32

#include <string>
#include <string_view>

namespace segcalc {

// Windows speaks UTF-16, the rest of segcalc UTF-8. A lone surrogate becomes
// U+FFFD, as does a byte that is not part of valid UTF-8.
std::string Utf8FromWide(std::wstring_view wide);
std::wstring WideFromUtf8(std::string_view utf8);

}  // namespace segcalc

#endif

#include <windows.h>

#include "platform/user_separators.h"
#include "platform/wide_text.h"

namespace segcalc {
namespace {

// One of the locale's texts, or nothing when Windows does not know it.
bool LocaleText(const wchar_t* name, LCTYPE type, std::string& text) {
  wchar_t buffer[16];  // Windows allows at most 4 characters for either separator
  const int length = GetLocaleInfoEx(name, type, buffer, sizeof buffer / sizeof buffer[0]);
  if (length <= 0) return false;
  text = Utf8FromWide(std::wstring_view(buffer, static_cast<std::size_t>(length - 1)));
  return true;
}

}  // namespace

NumberSeparators SeparatorsOfWindowsLocale(const wchar_t* name) {
  NumberSeparators separators;
  std::string decimal;
  if (LocaleText(name, LOCALE_SDECIMAL, decimal) && !decimal.empty()) {
    separators.decimal = decimal;
  }
  LocaleText(name, LOCALE_STHOUSAND, separators.thousands);
  return separators;
}

NumberSeparators UserSeparators() {
  return SeparatorsOfWindowsLocale(LOCALE_NAME_USER_DEFAULT);
}

}  // namespace segcalc

#include "platform/user_separators.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdlib>

namespace segcalc {

std::string NumericLocaleName(const char* lc_all, const char* lc_numeric, const char* lang) {
  for (const char* name : {lc_all, lc_numeric, lang}) {
    if (name != nullptr && *name != '\0') return name;
  }
  return "C";
}

NumberSeparators SeparatorsOfLocale(const std::string& name) {
  NumberSeparators separators;
  locale_t locale = newlocale(LC_NUMERIC_MASK, name.c_str(), static_cast<locale_t>(0));
  if (locale == static_cast<locale_t>(0)) return separators;
  const char* decimal = nl_langinfo_l(RADIXCHAR, locale);
  if (decimal != nullptr && *decimal != '\0') separators.decimal = decimal;
  const char* thousands = nl_langinfo_l(THOUSEP, locale);
  separators.thousands = thousands != nullptr ? thousands : "";
  freelocale(locale);
  return separators;
}

NumberSeparators UserSeparators() {
  return SeparatorsOfLocale(
      NumericLocaleName(std::getenv("LC_ALL"), std::getenv("LC_NUMERIC"), std::getenv("LANG")));
}

}  // namespace segcalc

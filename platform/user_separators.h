#pragma once

#include <string>

#include "calc/number_text.h"

namespace segcalc {

// The separators of the user's locale: on Windows the user's own settings
// (Region in the Control Panel), elsewhere the locale the environment names.
NumberSeparators UserSeparators();

#ifdef _WIN32

// The separators of a Windows locale ("de-DE"), or of the user's settings
// when name is null.
NumberSeparators SeparatorsOfWindowsLocale(const wchar_t* name);

#else

// The locale name that governs numbers: LC_ALL, else LC_NUMERIC, else LANG,
// the first that is set and not empty; "C" when none is.
std::string NumericLocaleName(const char* lc_all, const char* lc_numeric, const char* lang);

// The decimal and thousands separators of a named locale, looked up without
// touching the process's global locale. A locale this system does not have
// gives the plain full stop and comma.
NumberSeparators SeparatorsOfLocale(const std::string& name);

#endif

}  // namespace segcalc

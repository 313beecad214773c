// Prints the separators the platform layer reads from Windows, one line per
// argument: a locale name ("de-DE"), or "user" for the user's own settings.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "platform/user_separators.h"
#include "platform/wide_text.h"

int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  for (int i = 1; i < argc; ++i) {
    const std::wstring name = argv[i];
    const segcalc::NumberSeparators separators =
        name == L"user" ? segcalc::UserSeparators()
                        : segcalc::SeparatorsOfWindowsLocale(name.c_str());
    std::cout << segcalc::Utf8FromWide(name) << '\t' << separators.decimal << '\t'
              << separators.thousands << '\n';
  }
  return std::cout.flush() ? 0 : 1;
}

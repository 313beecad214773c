#pragma once

#include <string>

#include "window/main_form.h"

namespace segcalc {

// Per-monitor DPI awareness where Windows has it (10 1703 and later, then
// 8.1), the whole desktop's DPI on Windows 7. Call before any window exists;
// the manifest asks for the same, this covers a copy run without it.
void BecomeDpiAware();

// Shows `form` in the native window and runs the message loop until the
// program ends. Returns the process's exit status.
int RunWin32Window(MainForm& form, int show_command);

enum class MessageIcon { None, Warning };

// A modal message box whose one button reads "确定" whatever the language
// of Windows. `owner` is a window handle or null.
void ShowWin32MessageBox(void* owner, const std::string& title, const std::string& text,
                         MessageIcon icon);

}  // namespace segcalc

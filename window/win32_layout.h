#pragma once

#include "window/main_form.h"

namespace segcalc {

// Shows `form` in the native window and runs the message loop until the
// program ends. Returns the process's exit status.
int RunWin32Window(MainForm& form, int show_command);

}  // namespace segcalc

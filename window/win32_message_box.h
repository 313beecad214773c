#pragma once

#include <string>

namespace segcalc {

enum class MessageIcon { None, Warning };

// A modal message box whose one button reads "确定" whatever the language
// of Windows. `owner` is a window handle or null; texts are UTF-8.
void ShowWin32MessageBox(void* owner, const std::string& title, const std::string& text,
                         MessageIcon icon);

}  // namespace segcalc

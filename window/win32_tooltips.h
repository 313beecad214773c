#pragma once

// clang-format off
#include <windows.h>
// clang-format on

#include <string>

namespace segcalc {

// One tooltip control for a window's controls: each shows its text while the
// mouse rests on it, whether or not the window is active; an empty text shows
// nothing. The control goes with the window that owns it.
class Win32Tooltips {
 public:
  void Create(HWND owner);
  // The tooltip follows the control's mouse by itself (TTF_SUBCLASS).
  void Add(HWND control);
  void SetText(HWND control, const std::wstring& text);
  // Line feeds in a text break its lines only below a width, in pixels.
  void SetMaxWidth(int pixels);

 private:
  HWND owner_ = nullptr;
  HWND tooltip_ = nullptr;
};

}  // namespace segcalc

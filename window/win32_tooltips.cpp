#include "window/win32_tooltips.h"

// clang-format off
#include <commctrl.h>
// clang-format on

namespace segcalc {
namespace {

TOOLINFOW InfoOf(HWND owner, HWND control, wchar_t* text) {
  TOOLINFOW info = {};
  // The size every version of the common controls knows, 5 as well as 6.
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = owner;
  info.uId = reinterpret_cast<UINT_PTR>(control);
  info.lpszText = text;
  return info;
}

}  // namespace

void Win32Tooltips::Create(HWND owner) {
  owner_ = owner;
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
}

void Win32Tooltips::Add(HWND control) {
  wchar_t empty[] = L"";
  TOOLINFOW info = InfoOf(owner_, control, empty);
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void Win32Tooltips::SetText(HWND control, const std::wstring& text) {
  std::wstring copy = text;  // the message takes a writable pointer; the control copies it
  TOOLINFOW info = InfoOf(owner_, control, copy.data());
  SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

void Win32Tooltips::SetMaxWidth(int pixels) {
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, pixels);
}

}  // namespace segcalc

#include "window/win32_message_box.h"

// clang-format off
#include <windows.h>
// clang-format on

#include "platform/wide_text.h"

namespace segcalc {
namespace {

// The CBT hook lives on the thread showing the box, for that one box.
thread_local HHOOK message_box_hook = nullptr;

BOOL CALLBACK RenameButton(HWND child, LPARAM) {
  wchar_t kind[16] = {};
  GetClassNameW(child, kind, 16);
  if (lstrcmpiW(kind, L"Button") == 0) SetWindowTextW(child, L"确定");
  return TRUE;
}

// Windows words its OK button in the language of its own user interface;
// the box is renamed before it first shows.
LRESULT CALLBACK RenameOkButton(int code, WPARAM wparam, LPARAM lparam) {
  const HHOOK hook = message_box_hook;
  if (code == HCBT_ACTIVATE) {
    const auto box = reinterpret_cast<HWND>(wparam);
    wchar_t kind[16] = {};
    GetClassNameW(box, kind, 16);
    if (lstrcmpW(kind, L"#32770") == 0) {
      EnumChildWindows(box, RenameButton, 0);
      UnhookWindowsHookEx(hook);
      message_box_hook = nullptr;
    }
  }
  return CallNextHookEx(hook, code, wparam, lparam);
}

}  // namespace

void ShowWin32MessageBox(void* owner, const std::string& title, const std::string& text,
                         MessageIcon icon) {
  message_box_hook = SetWindowsHookExW(WH_CBT, RenameOkButton, nullptr, GetCurrentThreadId());
  MessageBoxW(static_cast<HWND>(owner), WideFromUtf8(text).c_str(), WideFromUtf8(title).c_str(),
              MB_OK | (icon == MessageIcon::Warning ? MB_ICONWARNING : 0));
  if (message_box_hook != nullptr) {
    UnhookWindowsHookEx(message_box_hook);
    message_box_hook = nullptr;
  }
}

}  // namespace segcalc

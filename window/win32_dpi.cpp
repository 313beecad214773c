#include "window/win32_dpi.h"

namespace segcalc {
namespace {

// Calls newer than Windows 7's, found at run time: linking them would keep
// the program from starting there.
template <typename Function>
Function Lookup(const wchar_t* module, const char* name) {
  const HMODULE handle = GetModuleHandleW(module);
  if (handle == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(handle, name)));
}

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using SetProcessDpiAwarenessContextFn = BOOL(WINAPI*)(HANDLE);
using SetProcessDpiAwarenessFn = HRESULT(WINAPI*)(int);

const HANDLE kPerMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
constexpr int kProcessPerMonitorDpiAware = 2;

}  // namespace

void BecomeDpiAware() {
  if (const auto set_context =
          Lookup<SetProcessDpiAwarenessContextFn>(L"user32.dll", "SetProcessDpiAwarenessContext")) {
    set_context(kPerMonitorAwareV2);
    return;
  }
  if (const HMODULE shcore = LoadLibraryW(L"shcore.dll")) {
    const auto set_awareness = reinterpret_cast<SetProcessDpiAwarenessFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(shcore, "SetProcessDpiAwareness")));
    if (set_awareness != nullptr) {
      set_awareness(kProcessPerMonitorDpiAware);
      return;
    }
  }
  SetProcessDPIAware();
}

UINT DpiOf(HWND window) {
  static const auto get_dpi = Lookup<GetDpiForWindowFn>(L"user32.dll", "GetDpiForWindow");
  if (get_dpi != nullptr) {
    const UINT dpi = get_dpi(window);
    if (dpi != 0) return dpi;
  }
  // Windows 7 and 8 scale the whole desktop alike.
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

SIZE WindowSizeFor(int client_width, int client_height, DWORD style, DWORD ex_style, UINT dpi) {
  RECT rect = {0, 0, client_width, client_height};
  static const auto adjust =
      Lookup<AdjustWindowRectExForDpiFn>(L"user32.dll", "AdjustWindowRectExForDpi");
  if (adjust == nullptr || !adjust(&rect, style, FALSE, ex_style, dpi)) {
    AdjustWindowRectEx(&rect, style, FALSE, ex_style);
  }
  return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace segcalc

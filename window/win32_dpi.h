#pragma once

// clang-format off
#include <windows.h>
// clang-format on

namespace segcalc {

// Per-monitor DPI awareness where Windows has it (10 1703 and later, then
// 8.1), the whole desktop's DPI on Windows 7. Call before any window exists;
// the manifest asks for the same, this covers a copy run without it.
void BecomeDpiAware();

// WM_DPICHANGED, which Windows 7's headers do not name: the window moved to a
// monitor of another scale. LOWORD(wparam) is the new DPI, lparam the
// suggested window rectangle.
inline constexpr UINT kWmDpiChanged = 0x02E0;

// The DPI a window is shown at: its monitor's where Windows tells it, else
// the desktop's.
UINT DpiOf(HWND window);

// The outer size of a window of this style whose client area has the given
// size at a DPI, caption and borders scaled for that DPI where Windows can.
SIZE WindowSizeFor(int client_width, int client_height, DWORD style, DWORD ex_style, UINT dpi);

}  // namespace segcalc

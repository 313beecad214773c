#pragma once

// clang-format off
#include <windows.h>
// clang-format on

#include <string>

namespace segcalc {

// 宋体 regular at a size in points for a DPI, in the GB2312 character set,
// which every Chinese Windows has. The caller deletes it.
HFONT CreateSongFont(double points, UINT dpi);

// A control's own text.
std::wstring WindowText(HWND window);

// The size a one-line text takes in a font: its width, and at least the
// font's line height.
SIZE TextExtent(HWND window, HFONT font, const std::wstring& text);

}  // namespace segcalc

#include "window/win32_text.h"

#include <algorithm>

#include "platform/wide_text.h"
#include "window/form_design.h"

namespace segcalc {

HFONT CreateSongFont(double points, UINT dpi) {
  LOGFONTW font = {};
  font.lfHeight = -MulDiv(static_cast<int>(points * 10), static_cast<int>(dpi), 720);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = GB2312_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  lstrcpynW(font.lfFaceName, WideFromUtf8(kFontFace).c_str(), LF_FACESIZE);
  return CreateFontIndirectW(&font);
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

SIZE TextExtent(HWND window, HFONT font, const std::wstring& text) {
  const HDC dc = GetDC(window);
  const HGDIOBJ old = SelectObject(dc, font);
  SIZE size = {};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  TEXTMETRICW metrics = {};
  GetTextMetricsW(dc, &metrics);
  size.cy = std::max<LONG>(size.cy, metrics.tmHeight);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return size;
}

}  // namespace segcalc

#include "window/win32_services.h"

// clang-format off
#include <commdlg.h>
#include <shellapi.h>
// clang-format on

#include <algorithm>

#include "platform/wide_text.h"

namespace segcalc {

bool SetWin32ClipboardText(HWND owner, const std::string& text) {
  std::wstring wide;
  for (const wchar_t c : WideFromUtf8(text)) {
    if (c == L'\n') wide += L'\r';
    wide += c;
  }
  const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  bool done = false;
  if (!OpenClipboard(owner)) return false;
  EmptyClipboard();
  if (const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    if (void* target = GlobalLock(memory)) {
      CopyMemory(target, wide.c_str(), bytes);
      GlobalUnlock(memory);
      done = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    }
    if (!done) GlobalFree(memory);  // the clipboard owns it only once set
  }
  CloseClipboard();
  return done;
}

bool OpenWithShell(HWND owner, const std::filesystem::path& file) {
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(owner, L"open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}

std::filesystem::path ProgramFolderOfThisProcess() {
  // A folder deep enough may need more than MAX_PATH: the buffer grows until
  // the name fits.
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0) return {};
    if (length < name.size()) {
      name.resize(length);
      return std::filesystem::path(name).parent_path();
    }
    name.resize(name.size() * 2);
  }
}

std::optional<std::filesystem::path> AskSaveDxfFile(HWND owner, const std::string& suggested_name) {
  std::wstring name = WideFromUtf8(suggested_name);
  name.resize(std::max<std::size_t>(name.size() + 1, 4096), L'\0');
  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = L"DXF 图形 (*.dxf)\0*.dxf\0";
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = static_cast<DWORD>(name.size());
  dialog.lpstrTitle = L"导出 DXF";
  dialog.lpstrDefExt = L"dxf";
  dialog.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
  if (!GetSaveFileNameW(&dialog)) return std::nullopt;
  return std::filesystem::path(name.c_str());
}

}  // namespace segcalc

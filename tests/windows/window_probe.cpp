// Reads back what the segcalc window shows, from another process, for the
// window test: keys and clicks come from the display, this only looks.
//   window_probe boxes            the client area's size, the five texts, names and
//                                 first characters' places, the check box, the focus
//   window_probe box TITLE        the message box of that title: text, icon, buttons
//   window_probe menu             whether a popup menu is open
//   window_probe clipboard        the clipboard's text, tab, CR and LF written \t, \r, \n
//   window_probe clear            empties the clipboard
//   window_probe tip N            box N's tooltip text, line feeds written \n
//   window_probe red N            how many pixels of box N on the screen are red
//   window_probe opened LOG FILE  stands in for the browser: adds FILE as a line to LOG
// Prints UTF-8 lines "name=value"; exits 1 when the window is not there.

// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string Utf8(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size,
                      nullptr, nullptr);
  return text;
}

// WM_GETTEXT, not GetWindowText: another process's edit text is only had by asking.
std::wstring Text(HWND window) {
  const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT got =
      SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(got));
  return text;
}

void Print(const char* name, const std::string& value) {
  std::printf("%s=%s\n", name, value.c_str());
}

int Boxes() {
  const HWND form = FindWindowW(L"segcalc.MainForm", nullptr);
  if (form == nullptr) return 1;
  RECT client = {};
  GetClientRect(form, &client);
  Print("client", std::to_string(client.right) + "x" + std::to_string(client.bottom));
  for (int i = 0; i < 5; ++i) {
    const HWND box = GetDlgItem(form, 201 + i);
    const std::string number = std::to_string(i + 1);
    Print(("text" + number).c_str(), Utf8(Text(box)));
    // Where the first character stands: left of the box when scrolled away.
    const LRESULT first = SendMessageW(box, EM_POSFROMCHAR, 0, 0);
    Print(("start" + number).c_str(), std::to_string(static_cast<short>(LOWORD(first))));
    // What a screen reader calls the box: the label just before it.
    const HWND before = GetWindow(box, GW_HWNDPREV);
    wchar_t kind[32] = {};
    if (before != nullptr) GetClassNameW(before, kind, 32);
    Print(("name" + number).c_str(), lstrcmpiW(kind, L"Static") == 0 ? Utf8(Text(before)) : "");
  }
  Print("check1", std::to_string(SendMessageW(GetDlgItem(form, 104), BM_GETCHECK, 0, 0)));
  GUITHREADINFO gui = {};
  gui.cbSize = sizeof gui;
  GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &gui);
  const int focus = gui.hwndFocus != nullptr ? GetDlgCtrlID(gui.hwndFocus) : 0;
  Print("focus", std::to_string(focus));
  if (focus >= 201 && focus <= 205) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(gui.hwndFocus, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    Print("selection", std::to_string(start) + "," + std::to_string(end));
  }
  return 0;
}

HWND TextBox(const wchar_t* number) {
  const HWND form = FindWindowW(L"segcalc.MainForm", nullptr);
  const int n = number[0] - L'0';
  if (form == nullptr || n < 1 || n > 5 || number[1] != L'\0') return nullptr;
  return GetDlgItem(form, 200 + n);
}

struct FoundTooltip {
  HWND owner;
  HWND tooltip;
};

BOOL CALLBACK FindTooltip(HWND window, LPARAM lparam) {
  auto* found = reinterpret_cast<FoundTooltip*>(lparam);
  wchar_t kind[32] = {};
  GetClassNameW(window, kind, 32);
  if (lstrcmpiW(kind, TOOLTIPS_CLASSW) != 0 || GetWindow(window, GW_OWNER) != found->owner) {
    return TRUE;
  }
  found->tooltip = window;
  return FALSE;
}

// The tooltip's text is had only by TTM_GETTEXT, whose TOOLINFO and buffer
// must be in the window's own process: they are written there and read back.
int Tip(const wchar_t* number) {
  const HWND box = TextBox(number);
  if (box == nullptr) return 1;
  FoundTooltip found = {GetParent(box), nullptr};
  EnumWindows(FindTooltip, reinterpret_cast<LPARAM>(&found));
  if (found.tooltip == nullptr) return 1;
  DWORD process_id = 0;
  GetWindowThreadProcessId(found.tooltip, &process_id);
  const HANDLE process =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, process_id);
  if (process == nullptr) return 1;
  // Room for the longest tip text the control keeps.
  constexpr std::size_t kChars = 4096;
  const std::size_t bytes = sizeof(TOOLINFOW) + kChars * sizeof(wchar_t);
  auto* remote = static_cast<char*>(
      VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  int status = 1;
  if (remote != nullptr) {
    TOOLINFOW info = {};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = found.owner;
    info.uId = reinterpret_cast<UINT_PTR>(box);
    info.lpszText = reinterpret_cast<wchar_t*>(remote + sizeof info);
    std::vector<wchar_t> text(kChars, L'\0');
    if (WriteProcessMemory(process, remote, &info, sizeof info, nullptr) &&
        WriteProcessMemory(process, info.lpszText, text.data(), sizeof(wchar_t), nullptr)) {
      SendMessageW(found.tooltip, TTM_GETTEXTW, kChars, reinterpret_cast<LPARAM>(remote));
      if (ReadProcessMemory(process, info.lpszText, text.data(), kChars * sizeof(wchar_t),
                            nullptr)) {
        text.back() = L'\0';
        std::wstring shown;
        for (const wchar_t* c = text.data(); *c != L'\0'; ++c) {
          if (*c == L'\n')
            shown += L"\\n";
          else
            shown += *c;
        }
        Print("tip", Utf8(shown));
        status = 0;
      }
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  }
  CloseHandle(process);
  return status;
}

// The box's inside as the screen shows it; a pixel is red when its red
// stands well above its green and blue, which no grey, black or the blue of
// a selection does.
int Red(const wchar_t* number) {
  const HWND box = TextBox(number);
  if (box == nullptr) return 1;
  RECT client = {};
  GetClientRect(box, &client);
  POINT origin = {0, 0};
  ClientToScreen(box, &origin);
  const int width = client.right;
  const int height = client.bottom;
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO format = {};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = -height;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(memory, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
  GdiFlush();
  int red = 0;
  const auto* pixels = static_cast<const unsigned char*>(bits);  // blue, green, red, unused
  for (int i = 0; bits != nullptr && i < width * height; ++i) {
    const int b = pixels[4 * i];
    const int g = pixels[4 * i + 1];
    const int r = pixels[4 * i + 2];
    if (r >= 96 && r - g >= 64 && r - b >= 64) ++red;
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  Print("red", std::to_string(red));
  return 0;
}

int Box(const wchar_t* title) {
  const HWND box = FindWindowW(L"#32770", title);
  if (box == nullptr) return 1;
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t kind[32] = {};
    GetClassNameW(child, kind, 32);
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    if (lstrcmpiW(kind, L"Button") == 0) {
      if (style & WS_VISIBLE) Print("button", Utf8(Text(child)));
    } else if (lstrcmpiW(kind, L"Static") == 0) {
      if ((style & SS_TYPEMASK) == SS_ICON) {
        const bool shown = (style & WS_VISIBLE) != 0 && SendMessageW(child, STM_GETICON, 0, 0) != 0;
        Print("icon", shown ? "yes" : "no");
      } else if (!Text(child).empty()) {
        Print("text", Utf8(Text(child)));
      }
    }
  }
  return 0;
}

int Menu() {
  const HWND menu = FindWindowW(L"#32768", nullptr);
  Print("menu", menu != nullptr && IsWindowVisible(menu) ? "open" : "closed");
  return 0;
}

int Clipboard() {
  if (!OpenClipboard(nullptr)) return 1;
  std::wstring text;
  if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  std::wstring shown;
  for (const wchar_t c : text) {
    if (c == L'\t')
      shown += L"\\t";
    else if (c == L'\r')
      shown += L"\\r";
    else if (c == L'\n')
      shown += L"\\n";
    else
      shown += c;
  }
  Print("clipboard", Utf8(shown));
  return 0;
}

int Clear() {
  if (!OpenClipboard(nullptr)) return 1;
  EmptyClipboard();
  CloseClipboard();
  return 0;
}

// What the shell was asked to open, noted where the test reads it.
int Opened(const wchar_t* log, const wchar_t* file) {
  const HANDLE out = CreateFileW(log, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
  if (out == INVALID_HANDLE_VALUE) return 1;
  const std::string line = Utf8(file) + "\n";
  DWORD written = 0;
  const bool done = WriteFile(out, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(out);
  return done && written == line.size() ? 0 : 1;
}

}  // namespace

// Wide arguments: a title in Chinese survives whatever the code page.
int wmain(int argc, wchar_t** argv) {
  if (argc == 2 && std::wstring(argv[1]) == L"boxes") return Boxes();
  if (argc == 3 && std::wstring(argv[1]) == L"box") return Box(argv[2]);
  if (argc == 2 && std::wstring(argv[1]) == L"menu") return Menu();
  if (argc == 2 && std::wstring(argv[1]) == L"clipboard") return Clipboard();
  if (argc == 2 && std::wstring(argv[1]) == L"clear") return Clear();
  if (argc == 3 && std::wstring(argv[1]) == L"tip") return Tip(argv[2]);
  if (argc == 3 && std::wstring(argv[1]) == L"red") return Red(argv[2]);
  if (argc == 4 && std::wstring(argv[1]) == L"opened") return Opened(argv[2], argv[3]);
  std::fprintf(stderr,
               "usage: window_probe boxes | box TITLE | menu | clipboard | clear | tip N | red N"
               " | opened LOG FILE\n");
  return 2;
}

// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <string>
#include <string_view>
#include <vector>

#include "app/terminal_answer.h"
#include "platform/user_separators.h"
#include "platform/wide_text.h"
#include "window/main_form.h"
#include "window/win32_dpi.h"
#include "window/win32_layout.h"
#include "window/win32_message_box.h"

namespace {

std::vector<std::string> Arguments() {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; wide != nullptr && i < count; ++i) args.push_back(segcalc::Utf8FromWide(wide[i]));
  LocalFree(wide);
  return args;
}

bool Usable(HANDLE handle) {
  return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
         GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// A window program has no console of its own: the answer goes to the output
// it was given (a pipe or a file), else to the console of the command prompt
// that started it. False when there is neither.
bool WriteToTerminal(const std::string& text) {
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  if (!Usable(out)) {
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return false;
    out = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                      nullptr, OPEN_EXISTING, 0, nullptr);
    if (!Usable(out)) return false;
  }
  DWORD written = 0;
  DWORD mode = 0;
  if (GetConsoleMode(out, &mode)) {
    const std::wstring wide = segcalc::WideFromUtf8(text);
    return WriteConsoleW(out, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) &&
           written == wide.size();
  }
  return WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
         written == text.size();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show_command) {
  segcalc::BecomeDpiAware();
  const std::vector<std::string> args = Arguments();
  if (const auto answer = segcalc::TerminalAnswer({args.begin(), args.end()})) {
    if (!WriteToTerminal(*answer)) {
      // Started from Explorer or a shortcut: there is no terminal to answer on.
      std::string text = *answer;
      while (!text.empty() && text.back() == '\n') text.pop_back();
      segcalc::ShowWin32MessageBox(nullptr, "求半径", text, segcalc::MessageIcon::None);
    }
    return 0;
  }
  segcalc::MainForm form(segcalc::UserSeparators());
  segcalc::Form_Load(form);
  return segcalc::RunWin32Window(form, show_command);
}

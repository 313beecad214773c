#pragma once

// clang-format off
#include <windows.h>
// clang-format on

#include <filesystem>
#include <optional>
#include <string>

namespace segcalc {

// What the window asks of Windows beyond its own controls, each on behalf of
// the window `owner`. Texts are UTF-8.

// Puts the text on the clipboard with its line feeds as CR LF, the Windows
// clipboard's line ends; false when the clipboard could not be had.
bool SetWin32ClipboardText(HWND owner, const std::string& text);

// Opens a file with the program Windows has for its kind: a report in the
// browser. False when none could be started.
bool OpenWithShell(HWND owner, const std::filesystem::path& file);

// The folder segcalc.exe was started from; empty when Windows does not say.
std::filesystem::path ProgramFolderOfThisProcess();

// The save dialog of 导出 DXF, offering the name given; nothing when
// cancelled. A bare name gets the .dxf extension.
std::optional<std::filesystem::path> AskSaveDxfFile(HWND owner, const std::string& suggested_name);

}  // namespace segcalc

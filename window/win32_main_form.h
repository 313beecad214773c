#pragma once

// clang-format off
#include <windows.h>
// clang-format on

#include <array>

#include "window/box_hints.h"
#include "window/commands.h"
#include "window/form_design.h"
#include "window/win32_tooltips.h"

namespace segcalc {

// The one native window, its controls built from window/form_design.h and
// mirroring a MainForm. It is what the commands reach for message boxes,
// program end, the clipboard, the browser and the save dialog.
// win32_layout.cpp builds, places and refreshes the controls;
// win32_main_form.cpp answers the messages.
class Win32MainForm final : public WindowServices {
 public:
  explicit Win32MainForm(MainForm& form) : form_(form) {}
  ~Win32MainForm() override;
  Win32MainForm(const Win32MainForm&) = delete;
  Win32MainForm& operator=(const Win32MainForm&) = delete;

  int Run(int show_command);

  void ShowWarning(const std::string& text) override;
  void ShowAbout(const std::string& text) override;
  void ShowInformation(const std::string& title, const std::string& text) override;
  void EndProgram() override;
  void SetClipboardText(const std::string& text) override;
  bool OpenInBrowser(const std::filesystem::path& file) override;
  std::optional<std::filesystem::path> AskSaveFile(const std::string& suggested_name) override;
  std::filesystem::path ProgramFolder() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK BoxProc(HWND box, UINT message, WPARAM wparam, LPARAM lparam);
  static Win32MainForm* Of(HWND window);

  bool RegisterWindowClass() const;
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleBox(Quantity quantity, HWND box, UINT message, WPARAM wparam, LPARAM lparam);
  // The text colour of a box, from WM_CTLCOLOREDIT or, for a read-only box,
  // WM_CTLCOLORSTATIC; null for any other control.
  HBRUSH ColourBox(HWND control, HDC dc) const;
  void OnCommand(int id, int code);
  // In the order of the design, which is the tab order.
  void CreateControls();
  // Fonts, positions and the window's size for a DPI.
  void ApplyDpi(UINT dpi);
  void PlaceLabel(HWND label, const TwipRect& design, HFONT font);
  void Place(HWND control, const TwipRect& design, HFONT font);
  void Paint();
  // The model is the truth: controls are written from it after every
  // command, texts, hints and all, and it follows every edit the user makes.
  void RefreshControls();
  // The exact value in the box's tooltip, its text in the warning colour when
  // far from it.
  void ShowHint(Quantity box, const BoxHint& hint);
  void ShowSelection(Quantity box);
  void GotFocus(Quantity box);
  // At a point on the screen; at the focused control for the menu key.
  void ShowContextMenu(LPARAM screen_point);

  int Px(int twips) const { return MulDiv(twips, static_cast<int>(dpi_), 1440); }
  HWND Control(FormControl control) const { return controls_[FormControlIndex(control)]; }
  HWND Box(Quantity box) const { return Control(TextBoxOf(box)); }

  MainForm& form_;
  HWND window_ = nullptr;
  std::array<HWND, kFormControlCount> controls_{};
  std::array<WNDPROC, kQuantityCount> box_procs_{};
  std::array<bool, kQuantityCount> warned_{};
  Win32Tooltips tooltips_;
  UINT dpi_ = 96;
  HFONT control_font_ = nullptr;
  HFONT window_font_ = nullptr;
  HACCEL shortcuts_ = nullptr;
};

// Control IDs. Enter and Esc reach the compute and close buttons through the
// dialog manager, which speaks of IDOK and IDCANCEL.
inline constexpr int kCommand1Id = IDOK;
inline constexpr int kCommand2Id = IDCANCEL;
inline constexpr int kCommand3Id = 103;
inline constexpr int kCheck1Id = 104;
inline constexpr int kFirstBoxId = 201;  // Text1 to Text5
inline constexpr int kLabel6Id = 306;
inline constexpr int kFirstMenuId = 401;   // the context menu's entries, in order
inline constexpr int kFirstPaperId = 451;  // its 纸张 submenu's choices, in order

inline constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
inline constexpr DWORD kWindowExStyle = WS_EX_CONTROLPARENT;
inline constexpr wchar_t kWindowClass[] = L"segcalc.MainForm";

}  // namespace segcalc

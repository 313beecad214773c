#include "window/win32_main_form.h"

#include "platform/wide_text.h"
#include "window/win32_dpi.h"
#include "window/win32_message_box.h"
#include "window/win32_services.h"
#include "window/win32_text.h"

namespace segcalc {

Win32MainForm* Win32MainForm::Of(HWND window) {
  return reinterpret_cast<Win32MainForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void Win32MainForm::ShowWarning(const std::string& text) {
  RefreshControls();
  ShowWin32MessageBox(window_, "运行提示", text, MessageIcon::Warning);
}

void Win32MainForm::ShowAbout(const std::string& text) {
  RefreshControls();
  ShowWin32MessageBox(window_, "关于", text, MessageIcon::None);
}

void Win32MainForm::ShowInformation(const std::string& title, const std::string& text) {
  RefreshControls();
  ShowWin32MessageBox(window_, title, text, MessageIcon::None);
}

void Win32MainForm::EndProgram() {
  // The window goes at once; the loop ends when this command returns.
  ShowWindow(window_, SW_HIDE);
  PostQuitMessage(0);
}

void Win32MainForm::SetClipboardText(const std::string& text) {
  if (!SetWin32ClipboardText(window_, text)) ShowWarning("无法使用剪贴板,请稍后再试");
}

bool Win32MainForm::OpenInBrowser(const std::filesystem::path& file) {
  return OpenWithShell(window_, file);
}

std::optional<std::filesystem::path> Win32MainForm::AskSaveFile(const std::string& suggested_name) {
  return AskSaveDxfFile(window_, suggested_name);
}

std::filesystem::path Win32MainForm::ProgramFolder() {
  return ProgramFolderOfThisProcess();
}

void Win32MainForm::OnCommand(int id, int code) {
  // From the menu (code 0) or a shortcut (code 1).
  if (id >= kFirstMenuId && id < kFirstMenuId + static_cast<int>(std::size(kMenuEntries))) {
    kMenuEntries[id - kFirstMenuId].click(form_, *this);
    RefreshControls();
    return;
  }
  if (id >= kFirstPaperId && id < kFirstPaperId + static_cast<int>(std::size(kPaperEntries))) {
    ChoosePaper(form_, static_cast<std::size_t>(id - kFirstPaperId));
    return;
  }
  if (id >= kFirstBoxId && id < kFirstBoxId + kQuantityCount) {
    if (code == EN_CHANGE) {
      const Quantity box = kQuantities[static_cast<std::size_t>(id - kFirstBoxId)];
      form_.text(box) = Utf8FromWide(WindowText(Box(box)));
    }
    return;
  }
  if (code != BN_CLICKED) return;
  switch (id) {
    case kCommand1Id:
      Command1_Click(form_, *this);
      RefreshControls();
      break;
    case kCommand2Id:  // also Esc
      Command2_Click(*this);
      break;
    case kCommand3Id:
      Command3_Click(*this);
      break;
    case kCheck1Id:
      form_.check_value =
          SendMessageW(Control(FormControl::Check1), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
      break;
  }
}

void Win32MainForm::ShowContextMenu(LPARAM screen_point) {
  POINT at = {static_cast<short>(LOWORD(screen_point)), static_cast<short>(HIWORD(screen_point))};
  if (screen_point == -1) {
    RECT focused = {};
    const HWND focus = GetFocus();
    GetWindowRect(focus != nullptr ? focus : window_, &focused);
    at = {focused.left, focused.bottom};
  }
  const HMENU menu = CreatePopupMenu();
  if (menu == nullptr) return;
  for (std::size_t i = 0; i < std::size(kMenuEntries); ++i) {
    const MenuEntry& entry = kMenuEntries[i];
    const std::wstring text = WideFromUtf8(std::string(entry.text) + "\t" + ShortcutText(entry));
    const UINT state = entry.AvailableFor(form_) ? MF_ENABLED : MF_GRAYED;
    AppendMenuW(menu, MF_STRING | state, kFirstMenuId + i, text.c_str());
  }
  // Destroyed with the menu it hangs from.
  const HMENU papers = CreatePopupMenu();
  if (papers != nullptr) {
    for (std::size_t i = 0; i < std::size(kPaperEntries); ++i) {
      const UINT check = PaperChosen(form_, i) ? MF_CHECKED : MF_UNCHECKED;
      AppendMenuW(papers, MF_STRING | check, kFirstPaperId + i,
                  WideFromUtf8(kPaperEntries[i].text).c_str());
    }
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(papers),
                WideFromUtf8(kPaperMenuText).c_str());
  }
  // The chosen entry arrives as WM_COMMAND once the menu has closed.
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, window_,
                 nullptr);
  DestroyMenu(menu);
}

LRESULT CALLBACK Win32MainForm::WindowProc(HWND window, UINT message, WPARAM wparam,
                                           LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<Win32MainForm*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  Win32MainForm* self = Of(window);
  if (self == nullptr) return DefDlgProcW(window, message, wparam, lparam);
  return self->Handle(message, wparam, lparam);
}

HBRUSH Win32MainForm::ColourBox(HWND control, HDC dc) const {
  for (Quantity box : kQuantities) {
    if (control != Box(box)) continue;
    const TextColour warning = kWarningTextColour;
    SetTextColor(dc, warned_[QuantityIndex(box)] ? RGB(warning.red, warning.green, warning.blue)
                                                 : GetSysColor(COLOR_WINDOWTEXT));
    // The radius and angle boxes refuse typing but look like the others.
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return GetSysColorBrush(COLOR_WINDOW);
  }
  return nullptr;
}

LRESULT Win32MainForm::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_CLOSE:
      EndProgram();
      return 0;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_CONTEXTMENU:
      // Every control passes its right click up here; the text boxes too,
      // instead of their own edit menu.
      ShowContextMenu(lparam);
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      // A read-only box asks as a static control does.
      if (const HBRUSH brush =
              ColourBox(reinterpret_cast<HWND>(lparam), reinterpret_cast<HDC>(wparam))) {
        return reinterpret_cast<LRESULT>(brush);
      }
      break;
    case kWmDpiChanged: {
      // Moved to a monitor of another scale: the layout follows, at the place
      // Windows suggests.
      const auto* suggested = reinterpret_cast<const RECT*>(lparam);
      SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      ApplyDpi(LOWORD(wparam));
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefDlgProcW(window_, message, wparam, lparam);
}

LRESULT CALLBACK Win32MainForm::BoxProc(HWND box, UINT message, WPARAM wparam, LPARAM lparam) {
  Win32MainForm* self = Of(GetParent(box));
  const Quantity quantity = kQuantities[static_cast<std::size_t>(GetDlgCtrlID(box) - kFirstBoxId)];
  return self->HandleBox(quantity, box, message, wparam, lparam);
}

LRESULT Win32MainForm::HandleBox(Quantity quantity, HWND box, UINT message, WPARAM wparam,
                                 LPARAM lparam) {
  const WNDPROC base = box_procs_[QuantityIndex(quantity)];
  const bool measurement = IsMeasurement(quantity);
  switch (message) {
    case WM_GETDLGCODE: {
      // The dialog manager selects a box's whole text when it is tabbed
      // into; the radius and angle boxes keep their selection.
      LRESULT code = CallWindowProcW(base, box, message, wparam, lparam);
      if (!measurement) code &= ~static_cast<LRESULT>(DLGC_HASSETSEL);
      return code;
    }
    case WM_SETFOCUS: {
      const LRESULT result = CallWindowProcW(base, box, message, wparam, lparam);
      // Coming back from a message box or another window is not a move
      // between controls: the box keeps the selection the user left in it.
      const auto previous = reinterpret_cast<HWND>(wparam);
      if (measurement && previous != nullptr && previous != box && GetParent(previous) == window_) {
        GotFocus(quantity);
      }
      return result;
    }
    case WM_CONTEXTMENU:
      return SendMessageW(window_, message, wparam, lparam);
    case WM_LBUTTONDOWN:
      // The click that brings the focus must not undo the selection its
      // focus behaviour made.
      if (measurement && GetFocus() != box) {
        SetFocus(box);
        return 0;
      }
      break;
  }
  return CallWindowProcW(base, box, message, wparam, lparam);
}

void Win32MainForm::GotFocus(Quantity box) {
  void (*const handlers[])(MainForm&) = {Text1_GotFocus, Text2_GotFocus, Text3_GotFocus};
  handlers[QuantityIndex(box)](form_);
  ShowSelection(box);
}

}  // namespace segcalc

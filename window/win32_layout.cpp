#include "window/win32_layout.h"

// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <algorithm>
#include <array>

#include "platform/wide_text.h"
#include "window/commands.h"
#include "window/win32_dpi.h"
#include "window/win32_message_box.h"
#include "window/win32_services.h"

namespace segcalc {
namespace {

// Enter and Esc reach the compute and close buttons through the dialog
// manager, which speaks of IDOK and IDCANCEL.
constexpr int kCommand1Id = IDOK;
constexpr int kCommand2Id = IDCANCEL;
constexpr int kCommand3Id = 103;
constexpr int kCheck1Id = 104;
constexpr int kFirstBoxId = 201;  // Text1 to Text5
constexpr int kLabel6Id = 306;
constexpr int kFirstMenuId = 401;  // the context menu's entries, in order

// The layout is designed in twips, 1440 to the inch, from the client area's
// top left corner.
struct TwipRect {
  int left, top, width, height;
};

constexpr int kClientWidth = 5430;
constexpr int kClientHeight = 2265;
constexpr std::array<TwipRect, kQuantityCount> kLabelRects = {{{360, 405, 420, 210},
                                                               {2040, 405, 420, 210},
                                                               {3720, 405, 420, 210},
                                                               {360, 885, 420, 210},
                                                               {2040, 885, 420, 210}}};
constexpr std::array<TwipRect, kQuantityCount> kBoxRects = {{{840, 360, 850, 300},
                                                             {2520, 360, 850, 300},
                                                             {4200, 360, 850, 300},
                                                             {840, 840, 850, 300},
                                                             {2520, 840, 850, 300}}};
constexpr TwipRect kLabel6Rect = {360, 1440, 3870, 180};
constexpr TwipRect kCommand1Rect = {2160, 1800, 975, 330};
constexpr TwipRect kCommand2Rect = {4320, 1800, 975, 330};
constexpr TwipRect kCommand3Rect = {3240, 1800, 975, 330};
constexpr TwipRect kCheck1Rect = {3720, 863, 1335, 255};
constexpr int kLineLeft = 120;
constexpr int kLineRight = 5280;
constexpr int kLineTop = 1320;

constexpr double kControlPoints = 10.5;  // labels and buttons
constexpr double kWindowPoints = 9.0;    // everything else

constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kWindowExStyle = WS_EX_CONTROLPARENT;
constexpr wchar_t kWindowClass[] = L"segcalc.MainForm";
constexpr int kIconId = 1;  // the first icon group of the resource script

// 宋体 regular in the GB2312 character set, which every Chinese Windows has.
HFONT SongFont(double points, UINT dpi) {
  LOGFONTW font = {};
  font.lfHeight = -MulDiv(static_cast<int>(points * 10), static_cast<int>(dpi), 720);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = GB2312_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  lstrcpynW(font.lfFaceName, L"宋体", LF_FACESIZE);
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

// The one window, its controls mirroring a MainForm. It is what the commands
// reach for message boxes and program end.
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

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK BoxProc(HWND box, UINT message, WPARAM wparam, LPARAM lparam);
  static Win32MainForm* Of(HWND window);

  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleBox(int index, HWND box, UINT message, WPARAM wparam, LPARAM lparam);
  void OnCommand(int id, int code);
  void CreateControls();
  // Fonts, positions and the window's size for a DPI.
  void ApplyDpi(UINT dpi);
  void PlaceLabel(HWND label, const TwipRect& design, HFONT font);
  void Place(HWND control, const TwipRect& design, HFONT font);
  void Paint();
  // The model is the truth: controls are written from it after every
  // command, and it follows every edit the user makes.
  void ShowForm();
  void ShowSelection(Quantity box);
  void GotFocus(int index);
  // At a point on the screen; at the focused control for the menu key.
  void ShowContextMenu(LPARAM screen_point);

  int Px(int twips) const { return MulDiv(twips, static_cast<int>(dpi_), 1440); }
  HWND Box(Quantity box) const { return boxes_[QuantityIndex(box)]; }

  MainForm& form_;
  HWND window_ = nullptr;
  std::array<HWND, kQuantityCount> labels_{};
  std::array<HWND, kQuantityCount> boxes_{};
  std::array<WNDPROC, kQuantityCount> box_procs_{};
  HWND label6_ = nullptr;
  HWND command1_ = nullptr;
  HWND command2_ = nullptr;
  HWND command3_ = nullptr;
  HWND check1_ = nullptr;
  UINT dpi_ = 96;
  HFONT control_font_ = nullptr;
  HFONT window_font_ = nullptr;
  HACCEL shortcuts_ = nullptr;
};

Win32MainForm::~Win32MainForm() {
  if (shortcuts_ != nullptr) DestroyAcceleratorTable(shortcuts_);
  if (window_ != nullptr) DestroyWindow(window_);
  if (control_font_ != nullptr) DeleteObject(control_font_);
  if (window_font_ != nullptr) DeleteObject(window_font_);
}

Win32MainForm* Win32MainForm::Of(HWND window) {
  return reinterpret_cast<Win32MainForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

int Win32MainForm::Run(int show_command) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  INITCOMMONCONTROLSEX controls = {sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  // A window class of the dialog kind: the dialog manager brings Tab, Enter,
  // Esc, the default button and the focus kept across a message box.
  WNDCLASSEXW window_class = {};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = WindowProc;
  window_class.cbWndExtra = DLGWINDOWEXTRA;
  window_class.hInstance = instance;
  window_class.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIconId));
  window_class.hIconSm = static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(kIconId), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                 GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kWindowClass;
  if (RegisterClassExW(&window_class) == 0) return 1;

  const std::wstring caption = WideFromUtf8(form_.caption);
  const SIZE initial =
      WindowSizeFor(Px(kClientWidth), Px(kClientHeight), kWindowStyle, kWindowExStyle, dpi_);
  window_ =
      CreateWindowExW(kWindowExStyle, kWindowClass, caption.c_str(), kWindowStyle, CW_USEDEFAULT,
                      CW_USEDEFAULT, initial.cx, initial.cy, nullptr, nullptr, instance, this);
  if (window_ == nullptr) return 1;
  CreateControls();
  ApplyDpi(DpiOf(window_));
  ShowForm();
  SendMessageW(window_, DM_SETDEFID, kCommand1Id, 0);
  ShowWindow(window_, show_command);
  UpdateWindow(window_);
  // The first control in the tab order takes the focus; its focus behaviour
  // is run here, as the dialog manager gives it without a move between
  // controls.
  SetFocus(Box(Quantity::Arc));
  Text1_GotFocus(form_);
  ShowSelection(Quantity::Arc);

  // The menu's shortcuts work without the menu, from any control.
  std::array<ACCEL, std::size(kMenuEntries)> accelerators{};
  for (std::size_t i = 0; i < std::size(kMenuEntries); ++i) {
    const MenuEntry& entry = kMenuEntries[i];
    accelerators[i] = {static_cast<BYTE>(FVIRTKEY | FCONTROL | (entry.shift ? FSHIFT : 0)),
                       static_cast<WORD>(entry.key), static_cast<WORD>(kFirstMenuId + i)};
  }
  shortcuts_ = CreateAcceleratorTableW(accelerators.data(), static_cast<int>(accelerators.size()));

  MSG message;
  int status;
  while ((status = GetMessageW(&message, nullptr, 0, 0)) != 0) {
    if (status == -1) return 1;
    if (TranslateAcceleratorW(window_, shortcuts_, &message)) continue;
    if (!IsDialogMessageW(window_, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return static_cast<int>(message.wParam);
}

void Win32MainForm::CreateControls() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  auto create = [&](DWORD ex_style, const wchar_t* kind, const std::wstring& text, DWORD style,
                    int id) {
    return CreateWindowExW(ex_style, kind, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                           window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                           nullptr);
  };
  // Creation order is the tab order, and a screen reader names a box by the
  // label created just before it.
  for (Quantity box : kQuantities) {
    const std::size_t i = QuantityIndex(box);
    const bool output = box == Quantity::Radius || box == Quantity::Angle;
    labels_[i] = create(0, L"STATIC", WideFromUtf8(QuantityLabel(box)), SS_LEFT | SS_NOPREFIX, -1);
    boxes_[i] = create(WS_EX_CLIENTEDGE, L"EDIT", L"",
                       WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL | (output ? ES_READONLY : 0),
                       kFirstBoxId + static_cast<int>(i));
    // A box holds whatever is typed or pasted, not only 32,767 characters.
    SendMessageW(boxes_[i], EM_SETLIMITTEXT, 0, 0);
    box_procs_[i] = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(boxes_[i], GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BoxProc)));
  }
  label6_ = create(0, L"STATIC", L"填入弧长,弦长,弦高中任意二项可求出其它三项!",
                   SS_LEFT | SS_NOPREFIX, kLabel6Id);
  command1_ = create(0, L"BUTTON", L"确 定", WS_TABSTOP | BS_DEFPUSHBUTTON, kCommand1Id);
  command2_ = create(0, L"BUTTON", L"关 闭", WS_TABSTOP | BS_PUSHBUTTON, kCommand2Id);
  check1_ = create(0, L"BUTTON", L"小于半圆", WS_TABSTOP | BS_AUTOCHECKBOX, kCheck1Id);
  command3_ = create(0, L"BUTTON", L"关 于", WS_TABSTOP | BS_PUSHBUTTON, kCommand3Id);
}

void Win32MainForm::ApplyDpi(UINT dpi) {
  dpi_ = dpi;
  const HFONT old_control_font = control_font_;
  const HFONT old_window_font = window_font_;
  control_font_ = SongFont(kControlPoints, dpi_);
  window_font_ = SongFont(kWindowPoints, dpi_);

  for (std::size_t i = 0; i < kQuantityCount; ++i) {
    PlaceLabel(labels_[i], kLabelRects[i], control_font_);
    Place(boxes_[i], kBoxRects[i], window_font_);
  }
  PlaceLabel(label6_, kLabel6Rect, window_font_);
  Place(command1_, kCommand1Rect, control_font_);
  Place(command2_, kCommand2Rect, control_font_);
  Place(command3_, kCommand3Rect, control_font_);
  Place(check1_, kCheck1Rect, window_font_);

  const SIZE size =
      WindowSizeFor(Px(kClientWidth), Px(kClientHeight), kWindowStyle, kWindowExStyle, dpi_);
  SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(window_, nullptr, TRUE);
  if (old_control_font != nullptr) DeleteObject(old_control_font);
  if (old_window_font != nullptr) DeleteObject(old_window_font);
}

void Win32MainForm::Place(HWND control, const TwipRect& design, HFONT font) {
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  const int left = Px(design.left);
  const int top = Px(design.top);
  SetWindowPos(control, nullptr, left, top, Px(design.left + design.width) - left,
               Px(design.top + design.height) - top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// A label sizes itself to its text: it keeps its left edge and stays centred
// on the row it was designed for, whatever the font's line height.
void Win32MainForm::PlaceLabel(HWND label, const TwipRect& design, HFONT font) {
  SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  const SIZE text = TextExtent(label, font, WindowText(label));
  const int left = Px(design.left);
  const int top = Px(design.top);
  const int design_height = Px(design.top + design.height) - top;
  const int width = std::max<int>(text.cx, Px(design.left + design.width) - left);
  SetWindowPos(label, nullptr, left, top + (design_height - text.cy) / 2, width, text.cy,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32MainForm::Paint() {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(window_, &paint);
  const int thickness = std::max(1, MulDiv(1, static_cast<int>(dpi_), 96));
  const RECT line = {Px(kLineLeft), Px(kLineTop), Px(kLineRight) + thickness,
                     Px(kLineTop) + thickness};
  FillRect(dc, &line, GetSysColorBrush(COLOR_WINDOWTEXT));
  EndPaint(window_, &paint);
}

void Win32MainForm::ShowForm() {
  for (Quantity box : kQuantities) {
    const HWND edit = Box(box);
    const std::string& text = form_.text(box);
    if (Utf8FromWide(WindowText(edit)) == text) continue;
    SetWindowTextW(edit, WideFromUtf8(text).c_str());
    // A box the user is not in shows where its number starts: the end of a
    // long radius alone would read as a different number.
    if (GetFocus() != edit) {
      SendMessageW(edit, EM_SETSEL, 0, 0);
      SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    }
  }
  SendMessageW(check1_, BM_SETCHECK, form_.check_value == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
  SetWindowTextW(window_, WideFromUtf8(form_.caption).c_str());
}

void Win32MainForm::ShowSelection(Quantity box) {
  const TextSelection& selection = form_.selection(box);
  SendMessageW(Box(box), EM_SETSEL, static_cast<WPARAM>(selection.start),
               static_cast<LPARAM>(selection.start + selection.length));
}

void Win32MainForm::GotFocus(int index) {
  void (*const handlers[])(MainForm&) = {Text1_GotFocus, Text2_GotFocus, Text3_GotFocus};
  handlers[index](form_);
  ShowSelection(kQuantities[static_cast<std::size_t>(index)]);
}

void Win32MainForm::ShowWarning(const std::string& text) {
  ShowForm();
  ShowWin32MessageBox(window_, "运行提示", text, MessageIcon::Warning);
}

void Win32MainForm::ShowAbout(const std::string& text) {
  ShowForm();
  ShowWin32MessageBox(window_, "关于", text, MessageIcon::None);
}

void Win32MainForm::ShowInformation(const std::string& title, const std::string& text) {
  ShowForm();
  ShowWin32MessageBox(window_, title, text, MessageIcon::None);
}

void Win32MainForm::EndProgram() {
  // The window goes at once; the loop ends when this command returns.
  ShowWindow(window_, SW_HIDE);
  PostQuitMessage(0);
}

void Win32MainForm::OnCommand(int id, int code) {
  // From the menu (code 0) or a shortcut (code 1).
  if (id >= kFirstMenuId && id < kFirstMenuId + static_cast<int>(std::size(kMenuEntries))) {
    kMenuEntries[id - kFirstMenuId].click(form_, *this);
    ShowForm();
    return;
  }
  if (id >= kFirstBoxId && id < kFirstBoxId + kQuantityCount) {
    if (code == EN_CHANGE) {
      const std::size_t i = static_cast<std::size_t>(id - kFirstBoxId);
      form_.text(kQuantities[i]) = Utf8FromWide(WindowText(boxes_[i]));
    }
    return;
  }
  if (code != BN_CLICKED) return;
  switch (id) {
    case kCommand1Id:
      Command1_Click(form_, *this);
      ShowForm();
      break;
    case kCommand2Id:  // also Esc
      Command2_Click(*this);
      break;
    case kCommand3Id:
      Command3_Click(*this);
      break;
    case kCheck1Id:
      form_.check_value = SendMessageW(check1_, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
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
  const UINT state = form_.HasResult() ? MF_ENABLED : MF_GRAYED;
  for (std::size_t i = 0; i < std::size(kMenuEntries); ++i) {
    const MenuEntry& entry = kMenuEntries[i];
    const std::wstring text = WideFromUtf8(std::string(entry.text) + "\t" + ShortcutText(entry));
    AppendMenuW(menu, MF_STRING | state, kFirstMenuId + i, text.c_str());
  }
  // The chosen entry arrives as WM_COMMAND once the menu has closed.
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, window_,
                 nullptr);
  DestroyMenu(menu);
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
    case WM_CTLCOLORSTATIC: {
      // The radius and angle boxes refuse typing but look like the others.
      const auto control = reinterpret_cast<HWND>(lparam);
      if (control == Box(Quantity::Radius) || control == Box(Quantity::Angle)) {
        const auto dc = reinterpret_cast<HDC>(wparam);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
      }
      break;
    }
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
  const int index = GetDlgCtrlID(box) - kFirstBoxId;
  return self->HandleBox(index, box, message, wparam, lparam);
}

LRESULT Win32MainForm::HandleBox(int index, HWND box, UINT message, WPARAM wparam, LPARAM lparam) {
  const WNDPROC base = box_procs_[static_cast<std::size_t>(index)];
  const bool measurement = index < 3;
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
        GotFocus(index);
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

}  // namespace

int RunWin32Window(MainForm& form, int show_command) {
  Win32MainForm window(form);
  return window.Run(show_command);
}

}  // namespace segcalc

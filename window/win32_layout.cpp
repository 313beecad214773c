#include "window/win32_layout.h"

// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <algorithm>

#include "platform/wide_text.h"
#include "window/win32_dpi.h"
#include "window/win32_main_form.h"
#include "window/win32_text.h"

namespace segcalc {
namespace {

constexpr int kIconId = 1;  // the first icon group of the resource script

// A tooltip wider than this breaks its text at its line feeds only.
constexpr int kTooltipWidthTwips = 6000;

int ControlId(const ControlDesign& design) {
  if (design.kind == ControlKind::TextBox) {
    return kFirstBoxId + static_cast<int>(QuantityIndex(*design.quantity));
  }
  switch (design.control) {
    case FormControl::Label6:
      return kLabel6Id;
    case FormControl::Command1:
      return kCommand1Id;
    case FormControl::Command2:
      return kCommand2Id;
    case FormControl::Command3:
      return kCommand3Id;
    case FormControl::Check1:
      return kCheck1Id;
    default:
      return -1;  // the labels of the boxes: nothing asks for them
  }
}

struct ControlClass {
  DWORD ex_style;
  const wchar_t* name;
  DWORD style;
};

ControlClass ClassOf(const ControlDesign& design) {
  switch (design.kind) {
    case ControlKind::TextBox: {
      const DWORD read_only = IsMeasurement(*design.quantity) ? 0 : ES_READONLY;
      return {WS_EX_CLIENTEDGE, L"EDIT", WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL | read_only};
    }
    case ControlKind::Button:
      return {0, L"BUTTON",
              static_cast<DWORD>(WS_TABSTOP | (design.control == kDefaultButton ? BS_DEFPUSHBUTTON
                                                                                : BS_PUSHBUTTON))};
    case ControlKind::CheckBox:
      return {0, L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX};
    case ControlKind::Label:
      break;
  }
  return {0, L"STATIC", SS_LEFT | SS_NOPREFIX};
}

}  // namespace

Win32MainForm::~Win32MainForm() {
  if (shortcuts_ != nullptr) DestroyAcceleratorTable(shortcuts_);
  if (window_ != nullptr) DestroyWindow(window_);
  if (control_font_ != nullptr) DeleteObject(control_font_);
  if (window_font_ != nullptr) DeleteObject(window_font_);
}

bool Win32MainForm::RegisterWindowClass() const {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
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
  return RegisterClassExW(&window_class) != 0;
}

int Win32MainForm::Run(int show_command) {
  INITCOMMONCONTROLSEX controls = {sizeof(INITCOMMONCONTROLSEX),
                                   ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  if (!RegisterWindowClass()) return 1;

  const std::wstring caption = WideFromUtf8(form_.caption);
  const SIZE initial = WindowSizeFor(Px(kClientWidthTwips), Px(kClientHeightTwips), kWindowStyle,
                                     kWindowExStyle, dpi_);
  window_ = CreateWindowExW(kWindowExStyle, kWindowClass, caption.c_str(), kWindowStyle,
                            CW_USEDEFAULT, CW_USEDEFAULT, initial.cx, initial.cy, nullptr, nullptr,
                            GetModuleHandleW(nullptr), this);
  if (window_ == nullptr) return 1;
  CreateControls();
  ApplyDpi(DpiOf(window_));
  RefreshControls();
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
  tooltips_.Create(window_);
  for (const ControlDesign& design : FormControls()) {
    const ControlClass kind = ClassOf(design);
    const std::wstring caption = WideFromUtf8(design.caption);
    const HWND control = CreateWindowExW(
        kind.ex_style, kind.name, caption.c_str(), WS_CHILD | WS_VISIBLE | kind.style, 0, 0, 0, 0,
        window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(design))),
        GetModuleHandleW(nullptr), nullptr);
    controls_[FormControlIndex(design.control)] = control;
    if (design.kind != ControlKind::TextBox) continue;
    // A box holds whatever is typed or pasted, not only 32,767 characters.
    SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
    box_procs_[QuantityIndex(*design.quantity)] = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BoxProc)));
    tooltips_.Add(control);
  }
}

void Win32MainForm::ApplyDpi(UINT dpi) {
  dpi_ = dpi;
  const HFONT old_control_font = control_font_;
  const HFONT old_window_font = window_font_;
  control_font_ = CreateSongFont(PointsOf(FontSize::Control), dpi_);
  window_font_ = CreateSongFont(PointsOf(FontSize::Window), dpi_);

  for (const ControlDesign& design : FormControls()) {
    const HFONT font = design.font == FontSize::Control ? control_font_ : window_font_;
    if (design.kind == ControlKind::Label) {
      PlaceLabel(Control(design.control), design.rect, font);
    } else {
      Place(Control(design.control), design.rect, font);
    }
  }
  tooltips_.SetMaxWidth(Px(kTooltipWidthTwips));

  const SIZE size = WindowSizeFor(Px(kClientWidthTwips), Px(kClientHeightTwips), kWindowStyle,
                                  kWindowExStyle, dpi_);
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
  const RECT line = {Px(kSeparatorLine.left), Px(kSeparatorLine.top),
                     Px(kSeparatorLine.right) + thickness, Px(kSeparatorLine.top) + thickness};
  FillRect(dc, &line, GetSysColorBrush(COLOR_WINDOWTEXT));
  EndPaint(window_, &paint);
}

void Win32MainForm::RefreshControls() {
  for (Quantity box : kQuantities) {
    const HWND edit = Box(box);
    const std::string& text = form_.text(box);
    if (Utf8FromWide(WindowText(edit)) != text) {
      SetWindowTextW(edit, WideFromUtf8(text).c_str());
      // A box the user is not in shows where its number starts: the end of
      // a long radius alone would read as a different number.
      if (GetFocus() != edit) {
        SendMessageW(edit, EM_SETSEL, 0, 0);
        SendMessageW(edit, EM_SCROLLCARET, 0, 0);
      }
    }
    ShowHint(box, HintOf(form_, box));
  }
  SendMessageW(Control(FormControl::Check1), BM_SETCHECK,
               form_.check_value == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
  SetWindowTextW(window_, WideFromUtf8(form_.caption).c_str());
}

void Win32MainForm::ShowHint(Quantity box, const BoxHint& hint) {
  tooltips_.SetText(Box(box), WideFromUtf8(hint.tooltip));
  bool& warned = warned_[QuantityIndex(box)];
  if (warned == hint.warning) return;
  warned = hint.warning;
  // Drawn again, its colour asked for again (ColourBox).
  InvalidateRect(Box(box), nullptr, TRUE);
}

void Win32MainForm::ShowSelection(Quantity box) {
  const TextSelection& selection = form_.selection(box);
  SendMessageW(Box(box), EM_SETSEL, static_cast<WPARAM>(selection.start),
               static_cast<LPARAM>(selection.start + selection.length));
}

int RunWin32Window(MainForm& form, int show_command) {
  Win32MainForm window(form);
  return window.Run(show_command);
}

}  // namespace segcalc

#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

#include "window/main_form.h"

namespace segcalc {

// What the commands need from the window beyond the form's state: message
// boxes, program end, the clipboard, the browser and a save dialog. Texts are
// UTF-8.
class WindowServices {
 public:
  virtual ~WindowServices() = default;
  // Modal, titled "运行提示", with the warning icon and one OK button. The
  // window shows the form as it stands behind the box.
  virtual void ShowWarning(const std::string& text) = 0;
  // Modal, titled "关于", no icon, one OK button.
  virtual void ShowAbout(const std::string& text) = 0;
  // Modal, with the given title, no icon, one OK button, like the about box.
  virtual void ShowInformation(const std::string& title, const std::string& text) = 0;
  // Ends the program at once, without confirmation.
  virtual void EndProgram() = 0;
  // Lines end in '\n'; a platform whose clipboard wants other line ends
  // converts them.
  virtual void SetClipboardText(const std::string& text) = 0;
  // Shows a file in the user's browser; false when none could be started.
  virtual bool OpenInBrowser(const std::filesystem::path& file) = 0;
  // A modal save dialog offering the name given; nothing when cancelled.
  virtual std::optional<std::filesystem::path> AskSaveFile(const std::string& suggested_name) = 0;
  // Where reports are written to be opened: the user's temporary folder;
  // empty when there is none.
  virtual std::filesystem::path ReportFolder();
  // The folder of the running program, as the toolkit knows it.
  virtual std::filesystem::path ProgramFolder() = 0;
  // The web page 工作台 copies: the first of WorkbenchPageCandidates that
  // holds a file; empty when none does.
  virtual std::filesystem::path WorkbenchPage();
};

// 确 定 and Enter: compute from the three measurement boxes and the check box.
void Command1_Click(MainForm& form, WindowServices& services);
// 关 闭 and Esc.
void Command2_Click(WindowServices& services);
// 关 于.
void Command3_Click(WindowServices& services);

// The three measurement boxes select their whole text on receiving the focus,
// so that typing replaces the value.
void Text1_GotFocus(MainForm& form);
void Text2_GotFocus(MainForm& form);
void Text3_GotFocus(MainForm& form);

std::string AboutText();

// The context menu's entries, in order, each with its shortcut (Ctrl, maybe
// Shift, and a letter), which works without the menu too. Most need a result
// (MainForm::HasResult) and do nothing without one.
struct MenuEntry {
  const char* text;
  char key;
  bool shift;
  void (*click)(const MainForm& form, WindowServices& services);
  bool needs_result = true;

  // Whether the window shows the entry enabled.
  bool AvailableFor(const MainForm& form) const { return !needs_result || form.HasResult(); }
};

// 复制结果: the last compute's five boxes as one line under a header of their
// labels, tab-separated, ready to paste into a spreadsheet.
void CopyResults_Click(const MainForm& form, WindowServices& services);
// 精确结果: the exact circle's five values beside the calculator's and their
// differences, in an information box titled 精确结果.
void ExactResults_Click(const MainForm& form, WindowServices& services);
// 放样图: the report of the result, written into the report folder and opened
// in the browser.
void LayoutDrawing_Click(const MainForm& form, WindowServices& services);
// 导出 DXF: the exact arc as a drawing in millimetres, where the user says.
void ExportDxf_Click(const MainForm& form, WindowServices& services);
// 工作台: the web page with the three measurement boxes and the check box as
// they stand, written into the report folder and opened in the browser. It
// carries the boxes, not a result, so it needs no compute.
void Workbench_Click(const MainForm& form, WindowServices& services);

// 工作台 is Ctrl+B: neither Qt's line edits nor Win32's edit controls take it
// for themselves (Qt's take Ctrl+K on X11 to delete to the line's end), and
// unlike Ctrl+W it reads as no one's "close".
inline constexpr MenuEntry kMenuEntries[] = {{"复制结果", 'C', true, CopyResults_Click},
                                             {"精确结果", 'R', false, ExactResults_Click},
                                             {"放样图", 'P', false, LayoutDrawing_Click},
                                             {"导出 DXF", 'S', false, ExportDxf_Click},
                                             {"工作台", 'B', false, Workbench_Click, false}};

// 纸张: a submenu of the context menu after its entries, one choice of it
// ticked, the paper 放样图 prints on; the choice lasts for the session.
inline constexpr char kPaperMenuText[] = "纸张";
struct PaperEntry {
  const char* text;
  const char* paper;  // as --paper takes it
};
inline constexpr PaperEntry kPaperEntries[] = {{"A4", "A4"},
                                               {"A3", "A3"},
                                               {"A2", "A2"},
                                               {"A1", "A1"},
                                               {"A0", "A0"},
                                               // The plotter rolls of 24 and 36 inches.
                                               {"卷筒纸 610 mm", "roll:610"},
                                               {"卷筒纸 914 mm", "roll:914"}};
void ChoosePaper(MainForm& form, std::size_t entry);
bool PaperChosen(const MainForm& form, std::size_t entry);

// "Ctrl+Shift+C", as the menu shows it.
std::string ShortcutText(const MenuEntry& entry);

// The file 放样图 writes into the report folder: the first
// segcalc-report-N.html not there yet, so an earlier report stays as its
// browser tab shows it.
std::filesystem::path NewReportFile(const std::filesystem::path& folder);
// The same for 工作台: segcalc-workbench-N.html.
std::filesystem::path NewWorkbenchFile(const std::filesystem::path& folder);

// What 导出 DXF offers as the file's name: the exact circle's radius and angle.
std::string DxfFileName(const ExactSegment& segment, const OutputFormat& format);

}  // namespace segcalc

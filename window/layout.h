#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "window/box_hints.h"
#include "window/commands.h"
#include "window/form_design.h"
#include "window/main_form.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace segcalc {

// The one window: a fixed layout of five labelled boxes, the check box, an
// instruction line under a separator and three buttons, mirroring a MainForm.
// It is also what the commands reach: its own modal boxes and program end.
class MainFormDialog : public QDialog, public WindowServices {
 public:
  explicit MainFormDialog(MainForm& form, QWidget* parent = nullptr);
  ~MainFormDialog() override;

  QLineEdit* textBox(Quantity box) const { return boxes_[QuantityIndex(box)]; }
  QPushButton* command1() const { return command1_; }
  QPushButton* command2() const { return command2_; }
  QPushButton* command3() const { return command3_; }
  QCheckBox* check1() const { return check1_; }
  // The context menu's entries, in the order of kMenuEntries; each carries its
  // shortcut, which works while the window is active.
  QAction* menuAction(int index) const { return menu_actions_[index]; }
  // The 纸张 submenu's choices, in the order of kPaperEntries, one ticked.
  QAction* paperAction(int index) const { return paper_actions_[index]; }

  // Each brings the widgets up to date first, so that results written just
  // before a warning are in view behind it. The boxes say "确定" on any
  // desktop, as the rest of the window is Chinese.
  void ShowWarning(const std::string& text) override;
  void ShowAbout(const std::string& text) override;
  void ShowInformation(const std::string& title, const std::string& text) override;
  // Leaves the event loop.
  void EndProgram() override;
  void SetClipboardText(const std::string& text) override;
  // Through xdg-open, whose exit status says whether a browser started.
  bool OpenInBrowser(const std::filesystem::path& file) override;
  std::optional<std::filesystem::path> AskSaveFile(const std::string& suggested_name) override;
  std::filesystem::path ProgramFolder() override;

 protected:
  void reject() override;  // Esc
  void closeEvent(QCloseEvent* event) override;
  // A right click anywhere on the window: the text boxes pass theirs up.
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  // The controls as window/form_design.h lays them out, in its tab order.
  void BuildControls();
  QLineEdit* BuildTextBox(const ControlDesign& design, QLabel* label);
  QPushButton* BuildButton(const ControlDesign& design);
  void BuildMenuActions();
  // The model is the truth: widgets are written from it after every command,
  // texts, hints and all, and it follows every edit the user makes.
  void RefreshControls();
  // The exact value in the box's tooltip, its text in the warning colour when
  // far from it.
  static void ShowHint(QLineEdit* edit, const BoxHint& hint);
  void ShowSelection(Quantity box);

  MainForm& form_;
  std::array<QLineEdit*, kQuantityCount> boxes_{};
  QPushButton* command1_ = nullptr;
  QPushButton* command2_ = nullptr;
  QPushButton* command3_ = nullptr;
  QCheckBox* check1_ = nullptr;
  std::array<QAction*, std::size(kMenuEntries)> menu_actions_{};
  std::array<QAction*, std::size(kPaperEntries)> paper_actions_{};
};

// 宋体 at a size given in pixels at 96 dpi, with Song-style CJK fallbacks.
QFont SongFont(double points);

// The arc over its chord, 16 and 32 pixels.
QIcon SegmentIcon();

// Fonts and the window icon, for the whole application.
void SetUpApplicationLook();

}  // namespace segcalc

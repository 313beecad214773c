#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "window/commands.h"
#include "window/main_form.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace segcalc {

// The one window: a fixed layout of five labelled boxes, the check box, an
// instruction line under a separator and three buttons, mirroring a MainForm.
class MainFormDialog : public QDialog {
 public:
  // The dialog reaches message boxes and program end through `services`.
  MainFormDialog(MainForm& form, WindowServices& services, QWidget* parent = nullptr);
  ~MainFormDialog() override;

  QLineEdit* textBox(TextBox box) const { return boxes_[static_cast<std::size_t>(box)]; }
  QPushButton* command1() const { return command1_; }
  QPushButton* command2() const { return command2_; }
  QPushButton* command3() const { return command3_; }
  QCheckBox* check1() const { return check1_; }

 protected:
  void reject() override;  // Esc
  void closeEvent(QCloseEvent* event) override;

 private:
  class ShowingServices;

  void BuildControls();
  // The model is the truth: widgets are written from it after every command,
  // and it follows every edit the user makes.
  void ShowForm();
  void ShowSelection(TextBox box);

  MainForm& form_;
  std::unique_ptr<ShowingServices> services_;
  std::array<QLineEdit*, kTextBoxCount> boxes_{};
  QPushButton* command1_ = nullptr;
  QPushButton* command2_ = nullptr;
  QPushButton* command3_ = nullptr;
  QCheckBox* check1_ = nullptr;
};

// Real modal message boxes with a "确定" button, and program end by leaving
// the event loop.
class QtWindowServices : public WindowServices {
 public:
  explicit QtWindowServices(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  void ShowWarning(const QString& text) override;
  void ShowAbout(const QString& text) override;
  void EndProgram() override;

 private:
  QWidget* parent_;
};

// 宋体 at a size given in pixels at 96 dpi, with Song-style CJK fallbacks.
QFont SongFont(double points);

// The arc over its chord, 16 and 32 pixels.
QIcon SegmentIcon();

// Fonts and the window icon, for the whole application.
void SetUpApplicationLook();

}  // namespace segcalc

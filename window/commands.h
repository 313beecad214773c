#pragma once

#include <string>

#include "window/main_form.h"

namespace segcalc {

// What the commands need from the window beyond the form's state: message
// boxes and program end. Texts are UTF-8.
class WindowServices {
 public:
  virtual ~WindowServices() = default;
  // Modal, titled "运行提示", with the warning icon and one OK button. The
  // window shows the form as it stands behind the box.
  virtual void ShowWarning(const std::string& text) = 0;
  // Modal, titled "关于", no icon, one OK button.
  virtual void ShowAbout(const std::string& text) = 0;
  // Ends the program at once, without confirmation.
  virtual void EndProgram() = 0;
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

}  // namespace segcalc

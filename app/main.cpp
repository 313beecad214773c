#include <QApplication>
#include <cstdlib>
#include <iostream>

#include "app/display_check.h"
#include "app/terminal_answer.h"
#include "platform/user_separators.h"
#include "window/layout.h"
#include "window/main_form.h"
#include "window/qt_translations.h"

int main(int argc, char** argv) {
  if (const auto answer = segcalc::TerminalAnswer({argv + 1, argv + argc})) {
    std::cout << *answer << std::flush;
    return std::cout ? 0 : 1;
  }
  const std::string missing = segcalc::MissingDisplayReason(
      std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"));
  if (!missing.empty()) {
    std::cerr << missing << '\n';
    return 1;
  }
  segcalc::MainForm form(segcalc::UserSeparators());
  QApplication application(argc, argv);
  segcalc::SetUpApplicationLook();
  // Qt's own dialogs in the desktop's language; the window is Chinese anyway.
  segcalc::LoadQtTranslations();
  // Wayland names the window by this; the desktop entry and icon carry the same id.
  QApplication::setDesktopFileName(QStringLiteral(SEGCALC_APP_ID));

  segcalc::Form_Load(form);
  segcalc::MainFormDialog window(form);
  window.show();
  return QApplication::exec();
}

#include "window/qt_browser.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

namespace segcalc {
namespace {

// Long enough for xdg-open to give up on a desktop without a browser (well
// under a second), short enough not to hold a window that started one.
constexpr int kBrowserAnswerMs = 3000;

}  // namespace

bool OpenInDesktopBrowser(const QString& file, QObject* owner) {
  auto* process = new QProcess(owner);
  process->setProgram(QStringLiteral("xdg-open"));
  process->setArguments({file});
  // What xdg-open and a browser print is theirs, not the window's terminal's.
  process->setStandardOutputFile(QProcess::nullDevice());
  process->setStandardErrorFile(QProcess::nullDevice());
  process->start();
  if (!process->waitForStarted()) {  // no xdg-open at all
    delete process;
    return false;
  }
  if (process->state() != QProcess::NotRunning) {
    QEventLoop loop;
    QObject::connect(process, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(kBrowserAnswerMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
  }
  if (process->state() != QProcess::NotRunning) {
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    return true;
  }
  const bool opened = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
  delete process;
  return opened;
}

}  // namespace segcalc

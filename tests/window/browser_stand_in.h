#pragma once

#include <QByteArray>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

// An xdg-open of the test's own, first on the PATH while it lives, in place
// of the desktop's browser: it notes each file it is given, one a line, and
// exits with the status asked for (0: handed to a browser; 3: xdg-open's
// "no method available"). Absent, the PATH holds no xdg-open at all.
class BrowserStandIn {
 public:
  enum class Kind { Opens, FindsNoBrowser, Absent };

  explicit BrowserStandIn(Kind kind = Kind::Opens) : old_path_(qgetenv("PATH")) {
    QByteArray path = dir_.path().toLocal8Bit();
    if (kind != Kind::Absent) {
      QFile script(dir_.filePath(QStringLiteral("xdg-open")));
      script.open(QIODevice::WriteOnly);
      script.write("#!/bin/sh\nprintf '%s\\n' \"$1\" >>'" + LogPath().toLocal8Bit() + "'\nexit " +
                   (kind == Kind::Opens ? "0" : "3") + "\n");
      script.close();
      script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
      path += ':' + old_path_;
    }
    qputenv("PATH", path);
  }
  ~BrowserStandIn() { qputenv("PATH", old_path_); }

  // The files xdg-open was given, in order.
  QStringList opened() const {
    QFile log(LogPath());
    if (!log.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
  }

 private:
  QString LogPath() const { return dir_.filePath(QStringLiteral("opened.log")); }

  QTemporaryDir dir_;
  QByteArray old_path_;
};

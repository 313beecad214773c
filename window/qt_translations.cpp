#include "window/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace segcalc {

bool LoadQtTranslations(const QLocale& locale) {
  // Owned by the application, which keeps using it for every text it shows.
  auto* translator = new QTranslator(QCoreApplication::instance());
  // qtbase holds the widgets' texts; the locale's UI languages are tried in
  // turn (zh-CN, zh-Hans-CN, zh), so a zh_SG desktop still finds zh_CN's.
  if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return false;
  }
  return true;
}

}  // namespace segcalc

#pragma once

#include <QLocale>

namespace segcalc {

// Qt's own words (the save dialog of 导出 DXF, its buttons and labels) in the
// language of the locale, from the translations Qt installs beside itself
// (Debian: qt6-translations-l10n). The window's own texts are Chinese in any
// locale; without these Qt's would be English on a Chinese desktop. Installed
// for the whole application; false where Qt has no translation for the
// locale, which leaves its English.
bool LoadQtTranslations(const QLocale& locale = QLocale::system());

}  // namespace segcalc

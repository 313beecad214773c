#pragma once

#include <QObject>
#include <QString>

namespace segcalc {

// Opens a file in the desktop's browser with xdg-open, and says whether a
// browser started. QDesktopServices::openUrl answers true as soon as
// xdg-open itself starts, whatever it finds: without a browser the user
// would be told nothing, and never where the file went. So xdg-open is run
// here and its exit status read: 0 when it handed the file over, not 0 when
// it found nothing to open it with or the browser failed to start. Where it
// still runs after a few seconds it is waiting on the browser it started
// (as it does on a desktop it does not know), which counts as started; the
// process is left to end with the browser, owned by `owner`. The window is
// repainted while waiting but takes no input.
bool OpenInDesktopBrowser(const QString& file, QObject* owner);

}  // namespace segcalc

#include "app/translations.h"

#include <QLocale>

namespace app {

// Qt reads the user's display languages, most wanted first, from Windows itself.
QStringList Translations::DesktopLanguages() { return QLocale::system().uiLanguages(); }

} // namespace app

#include "app/translations.h"

#include <QLocale>

namespace app {

QStringList Translations::DesktopLanguages() {
    QByteArray messages = qgetenv("LC_ALL");
    if (messages.isEmpty())
        messages = qgetenv("LC_MESSAGES");
    if (messages.isEmpty())
        messages = qgetenv("LANG");
    const QByteArray name = messages.left(messages.indexOf('.'));
    if (name.isEmpty() || name == "C" || name == "POSIX")
        return {};
    return QLocale::system().uiLanguages();
}

} // namespace app

#include "app/displays.h"

#include "app/translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace app {

// A Windows session always has its desktop: only the platform plugin itself can fail, when the
// installation lost it.

QString NoDisplayText(const QCommandLineParser&, const QString&) { return {}; }

QString UnreachableDisplayText(const QCommandLineParser& parser, const QString&,
                               const Translations& translations) {
    QString plugin = parser.value(QStringLiteral("platform"));
    if (plugin.isEmpty())
        plugin = qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("windows"));
    return translations
        .Translate("CommandLine",
                   QT_TRANSLATE_NOOP("CommandLine", "the platform plugin '%1' could not be "
                                                    "started; install Lunavik again to mend it"))
        .arg(plugin.section(QLatin1Char(':'), 0, 0));
}

} // namespace app

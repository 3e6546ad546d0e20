#include "app/displays.h"

#include "app/translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace app {

// A Windows session always has its desktop: only the platform plugin itself can fail, when the
// installation lost it.

QStringList MissingDisplays(const QCommandLineParser&) { return {}; }

QString NoDisplayText(const QCommandLineParser&, const QString&) { return {}; }

QString UnreachableDisplayText(const QCommandLineParser& parser, const QString&,
                               const Translations& translations) {
    QString platforms = parser.value(QStringLiteral("platform"));
    if (platforms.isEmpty())
        platforms = qEnvironmentVariable("QT_QPA_PLATFORM");
    // Qt tries each of a list in turn; without one, its own.
    QStringList plugins;
    for (const QString& entry : platforms.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        plugins << entry.section(QLatin1Char(':'), 0, 0);
    if (plugins.isEmpty())
        plugins << QStringLiteral("windows");
    return translations
        .Translate("CommandLine",
                   plugins.size() == 1
                       ? QT_TRANSLATE_NOOP("CommandLine",
                                           "the platform plugin %1 could not be started; install "
                                           "Lunavik again to put this right")
                       : QT_TRANSLATE_NOOP("CommandLine",
                                           "the platform plugins %1 could not be started; "
                                           "install Lunavik again to put this right"))
        .arg(translations.QuotedList(plugins));
}

} // namespace app

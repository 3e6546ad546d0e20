#include "app/displays.h"

#include <QCommandLineParser>

namespace app {

QStringList RequestedPlatforms(const QCommandLineParser& parser) {
    QString platforms = parser.value(QStringLiteral("platform"));
    if (platforms.isEmpty())
        platforms = qEnvironmentVariable("QT_QPA_PLATFORM");
    QStringList names;
    for (const QString& entry : platforms.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        names << entry.section(QLatin1Char(':'), 0, 0);
    return names;
}

} // namespace app

#include "platform/user_settings.h"

#include <QDir>
#include <QStandardPaths>

namespace platform {

std::unique_ptr<QSettings> OpenUserSettings(const QString& appName) {
    const QDir folder(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    return OpenIniSettings(
        folder.filePath(appName + QLatin1Char('/') + appName + QLatin1String(".ini")));
}

} // namespace platform

#include "platform/user_settings.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace platform {

// One INI file in the user's configuration folder. Qt decodes a value written as "@Variant(...)"
// with whatever type and size its bytes claim, and a damaged file can claim gigabytes and end
// the program; the program never writes one, so a file that holds one is set aside
// (NAME.damaged) and a new one begun.
std::unique_ptr<QSettings> OpenUserSettings(const QString& appName) {
    const QDir folder(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    const QString path =
        folder.filePath(appName + QLatin1Char('/') + appName + QLatin1String(".ini"));
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && file.readAll().contains("@Variant(")) {
        file.close();
        QFile::remove(path + QLatin1String(".damaged"));
        QFile::rename(path, path + QLatin1String(".damaged"));
    }
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

} // namespace platform

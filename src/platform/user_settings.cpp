#include "platform/user_settings.h"

#include <QFile>

namespace platform {

std::unique_ptr<QSettings> OpenIniSettings(const QString& path) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && file.readAll().contains("@Variant(")) {
        file.close();
        QFile::remove(path + QLatin1String(".damaged"));
        QFile::rename(path, path + QLatin1String(".damaged"));
    }
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

} // namespace platform

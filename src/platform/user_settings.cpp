#include "platform/user_settings.h"

#include <QFile>

namespace platform {

bool SetAsideIfDamaged(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.readAll().contains("@Variant("))
        return false;
    file.close();
    QFile::remove(path + QLatin1String(".damaged"));
    return QFile::rename(path, path + QLatin1String(".damaged"));
}

std::unique_ptr<QSettings> OpenIniSettings(const QString& path) {
    SetAsideIfDamaged(path);
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

} // namespace platform

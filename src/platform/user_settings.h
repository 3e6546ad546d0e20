#pragma once

#include <QSettings>
#include <QString>
#include <memory>

namespace platform {

// The user's own settings of a program, where that system keeps them: on Linux one INI file in
// the user's configuration folder, on Windows the user's registry. Each system has its own unit.
std::unique_ptr<QSettings> OpenUserSettings(const QString& appName);

} // namespace platform

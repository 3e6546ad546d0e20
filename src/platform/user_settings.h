#pragma once

#include <QSettings>
#include <QString>
#include <memory>

namespace platform {

// The user's own settings of a program, where that system keeps them: on Linux one INI file in
// the user's configuration folder, on Windows the user's registry.
std::unique_ptr<QSettings> OpenUserSettings(const QString& appName);

// An INI file of settings. Qt decodes a value that reads "@Variant(...)" or "@DateTime(...)" with
// whatever type and size its bytes claim, and a damaged file can claim gigabytes and end the
// program; the program never writes one, so a file that holds one, however its quotes and
// escapes spell it, is set aside (NAME.damaged) and a new one begun.
std::unique_ptr<QSettings> OpenIniSettings(const QString& path);
// Sets the INI file at path aside as OpenIniSettings does, if it holds a stored variant; says
// whether it did.
bool SetAsideIfDamaged(const QString& path);

} // namespace platform

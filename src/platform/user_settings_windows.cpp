#include "platform/user_settings.h"

#include "build_config.h"

namespace platform {

// HKEY_CURRENT_USER\Software\<maker>\<program>, where Windows programs keep theirs.
std::unique_ptr<QSettings> OpenUserSettings(const QString& appName) {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral(LUNAVIK_MAKER), appName);
}

} // namespace platform

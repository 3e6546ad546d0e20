#include "platform/user_settings.h"

#include "build_config.h"

#include <QByteArray>
#include <iterator>
#include <windows.h>

namespace platform {
namespace {

// Qt decodes a registry value that reads "@Variant(...)" or "@DateTime(...)" as the INI file's
// (user_settings.h); the program never writes one, so such a value is damaged or planted, and is
// removed before Qt can read it. The other values of the key stay.
void removeStoredVariants(HKEY parent, const wchar_t* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(parent, path, 0, KEY_READ | KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return;
    // As Qt reads every kind of string value: UTF-16.
    const QByteArray variant(reinterpret_cast<const char*>(L"@Variant("), 18);
    const QByteArray dateTime(reinterpret_cast<const char*>(L"@DateTime("), 20);
    wchar_t name[16384];
    for (DWORD index = 0;;) {
        DWORD nameLength = DWORD(std::size(name));
        DWORD size = 0;
        if (RegEnumValueW(key, index, name, &nameLength, nullptr, nullptr, nullptr, &size) !=
            ERROR_SUCCESS)
            break;
        QByteArray data(int(size), '\0');
        nameLength = DWORD(std::size(name));
        const bool read =
            RegEnumValueW(key, index, name, &nameLength, nullptr, nullptr,
                          reinterpret_cast<BYTE*>(data.data()), &size) == ERROR_SUCCESS;
        if (read && (data.contains(variant) || data.contains(dateTime)) &&
            RegDeleteValueW(key, name) == ERROR_SUCCESS)
            continue; // the next value now has this index
        ++index;
    }
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = DWORD(std::size(name));
        if (RegEnumKeyExW(key, index, name, &nameLength, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        removeStoredVariants(key, name);
    }
    RegCloseKey(key);
}

} // namespace

// HKEY_CURRENT_USER\Software\<maker>\<program>, where Windows programs keep theirs. Named by
// its full path, QSettings reads that key alone: none of the maker's or the machine's keys that
// it would otherwise fall back to, where a stored variant could be planted past the guard.
UserSettings::UserSettings(const QString& appName) {
    const QString key = QLatin1String("Software\\" LUNAVIK_MAKER "\\") + appName;
    m_place = QLatin1String("HKEY_CURRENT_USER\\") + key;
    removeStoredVariants(HKEY_CURRENT_USER, reinterpret_cast<const wchar_t*>(key.utf16()));
    m_settings = std::make_unique<QSettings>(m_place, QSettings::NativeFormat);
    m_settings->setFallbacksEnabled(false);
}

bool UserSettings::Save(const QString& name, const QString& value) {
    return writeThrough(name, value);
}

} // namespace platform

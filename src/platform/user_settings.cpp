#include "platform/user_settings.h"

#include <QCoreApplication>

// What the settings are on every system; where they live and what guards their reading
// differ, in user_settings_posix.cpp and user_settings_windows.cpp.
namespace platform {

UserSettings::~UserSettings() = default;

QString UserSettings::Read(const QString& name) const {
    // A value of another type reads as text, or as empty.
    return m_settings ? m_settings->value(name).toString() : QString();
}

void UserSettings::Flush() {
    if (m_settings)
        m_settings->sync();
}

bool UserSettings::writeThrough(const QString& name, const QString& value) {
    if (!m_settings)
        return false; // the problem was found on opening
    m_settings->setValue(name, value);
    m_settings->sync();
    if (m_settings->status() != QSettings::AccessError)
        return true;
    m_problem =
        QCoreApplication::translate(
            "UserSettings", "Lunavik cannot save its settings in %1: it may not write there.")
            .arg(m_place);
    return false;
}

} // namespace platform

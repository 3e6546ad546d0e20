#pragma once

#include <QSettings>
#include <QString>
#include <memory>

namespace platform {

// The user's own settings of a program, where that system keeps them: on Linux one INI file in
// the user's configuration folder, on Windows the program's key in the user's registry. Each
// system's unit opens and saves them its own way. Whatever lies there, opening them never
// crashes, hangs or keeps the program from starting: what can't be read safely is not read.
class UserSettings {
public:
    explicit UserSettings(const QString& appName);
    ~UserSettings();
    UserSettings(const UserSettings&) = delete;
    UserSettings& operator=(const UserSettings&) = delete;

    // A missing, unreadable or damaged value reads as the empty text.
    QString Read(const QString& name) const;
    // Writes the value through at once, so that it survives a crash later in the session; false
    // when it could not be kept.
    bool Save(const QString& name, const QString& value);
    void Flush();
    // What could not be read or kept and where, as one line for the user; empty while all is
    // well.
    QString Problem() const { return m_problem; }

private:
    // Sets the value and writes it out; false, with the problem set, when it could not be.
    bool writeThrough(const QString& name, const QString& value);

    QString m_place; // the file or registry key, as the user would look for it
    std::unique_ptr<QSettings> m_settings; // empty where nothing may be read or written
    QString m_problem;
};

} // namespace platform

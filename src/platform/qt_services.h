#pragma once

#include "platform/services.h"

#include <QSettings>
#include <map>
#include <memory>
#include <random>

// The real services, over Qt.
namespace platform {

class QtMessageBox : public MessageBoxService {
public:
    MsgAnswer Show(const QString& text, MsgIcon icon, MsgButtons buttons,
                   const QString& title) override;
};

class DesktopUrlService : public UrlService {
public:
    void Open(const QString& url) override;
};

// The user's own settings, where the system keeps them (see OpenUserSettings). QSettings writes
// an INI file through a temporary file and renames it, so a crash never leaves half a file
// behind.
class QtSettingsStore : public SettingsStore {
public:
    QString Read(const QString& appName, const QString& section, const QString& key) override;
    void Save(const QString& appName, const QString& section, const QString& key,
              const QString& value) override;
    void Flush() override;

private:
    QSettings& settingsFor(const QString& appName);
    std::map<QString, std::unique_ptr<QSettings>> m_files;
};

class QtClipboard : public ClipboardService {
public:
    void Clear() override;
};

class SystemClock : public Clock {
public:
    QDateTime Now() override { return QDateTime::currentDateTime(); }
};

class StdRandomGenerator : public RandomGenerator {
public:
    void Randomize() override;
    float Rnd() override;

private:
    std::mt19937 m_engine{1};
};

// Flushes the settings and drops the lock before ending, since no destructor runs after it.
class ExitProcessEnder : public ProcessEnder {
public:
    ExitProcessEnder(SettingsStore& settings, InstanceGuard& instance)
        : m_settings(settings), m_instance(instance) {}
    [[noreturn]] void End(int status) override;

private:
    SettingsStore& m_settings;
    InstanceGuard& m_instance;
};

// The running executable's file name without its extension.
QString ExecutableBaseName();

} // namespace platform

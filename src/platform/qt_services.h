#pragma once

#include "platform/services.h"
#include "platform/user_settings.h"

#include <functional>
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
    bool Open(const QString& url) override;
};

// The user's own settings, where the system keeps them (see UserSettings). QSettings writes an
// INI file through a temporary file and renames it, so a crash never leaves half a file behind.
// What can't be read or kept is told, once a start, through tell: the program works on without.
class QtSettingsStore : public SettingsStore {
public:
    explicit QtSettingsStore(std::function<void(const QString&)> tell = {})
        : m_tell(std::move(tell)) {}
    ~QtSettingsStore() override;
    QString Read(const QString& appName, const QString& section, const QString& key) override;
    void Save(const QString& appName, const QString& section, const QString& key,
              const QString& value) override;
    void Flush() override;

private:
    UserSettings& settingsFor(const QString& appName);
    void tellOnce(const UserSettings& settings);
    std::function<void(const QString&)> m_tell;
    bool m_told = false;
    std::map<QString, std::unique_ptr<UserSettings>> m_places;
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

#pragma once

#include <QDateTime>
#include <QString>

// The services the windows use instead of talking to the desktop directly. The real ones work
// over Qt (qt_services.h, the instance lock in instance_lock.h); the tests put doubles in their
// place (tests/support/fakes.h), all but the clipboard, which works offscreen.
namespace platform {

enum class MsgIcon { Information, Critical };
enum class MsgButtons { Ok, YesNo }; // with YesNo, Yes is the default button
enum class MsgAnswer { Ok, Yes, No };

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Modal. A bare CR in text is shown as a line break; text is passed on untouched.
    virtual MsgAnswer Show(const QString& text, MsgIcon icon, MsgButtons buttons,
                           const QString& title) = 0;
};

class UrlService {
public:
    virtual ~UrlService() = default;
    // Hands the address to the default browser; false when no browser could be started.
    virtual bool Open(const QString& url) = 0;
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // A missing value reads as the empty text.
    virtual QString Read(const QString& appName, const QString& section, const QString& key) = 0;
    virtual void Save(const QString& appName, const QString& section, const QString& key,
                      const QString& value) = 0;
    // Writes pending values to disk; called before the process ends.
    virtual void Flush() = 0;
};

class ClipboardService {
public:
    virtual ~ClipboardService() = default;
    virtual void Clear() = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime Now() = 0;
};

class RandomGenerator {
public:
    virtual ~RandomGenerator() = default;
    // Reseeds from the system timer.
    virtual void Randomize() = 0;
    // Next value r with 0 <= r < 1, single precision.
    virtual float Rnd() = 0;
};

class InstanceGuard {
public:
    virtual ~InstanceGuard() = default;
    // True while another process of this application runs for the same user, or while a
    // leftover lock that cannot be removed stops this start (BlockingLock names it then).
    virtual bool AnotherInstanceRunning() = 0;
    // The lock file that stopped the last AnotherInstanceRunning although no instance holds
    // it; empty when a running instance (or nothing) stopped it.
    virtual QString BlockingLock() const = 0;
    virtual void Release() = 0;
};

class ProcessEnder {
public:
    virtual ~ProcessEnder() = default;
    // Ends the process with this status. The real one does not return; a test double does,
    // and the caller then behaves as if nothing after it ran.
    virtual void End(int status) = 0;
};

// CR LF and bare CR, the design's line breaks, become LF, the one line break Qt's text widgets
// and message boxes show as such.
inline QString LineFeedsOnly(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// Everything a window may ask of the desktop, handed to each window explicitly.
struct Platform {
    MessageBoxService& messageBox;
    UrlService& urls;
    SettingsStore& settings;
    ClipboardService& clipboard;
    Clock& clock;
    RandomGenerator& random;
    InstanceGuard& instance;
    ProcessEnder& ender;
    QString appName; // the executable's file name without extension
};

} // namespace platform

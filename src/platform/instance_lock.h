#pragma once

#include "platform/services.h"

#include <QLockFile>
#include <QString>
#include <functional>
#include <memory>

namespace platform {

// Where this user's instance lock lives: the runtime folder when it is private to the user,
// otherwise a folder of the program's own in the user's cache folder, made private, otherwise
// the user's runtime-NAME folder in the temporary folder, made private; the first of these
// that can be written. Never a folder another user can write to; empty when there is no
// private folder to be had (another user may have taken the temporary one), and then the
// program runs without the guard rather than be kept from starting.
QString PrivateLockFolder(const QString& appName);

// A QLockFile in a folder private to the user. QLockFile holds a kernel lock on its file for as
// long as its owner lives; that lock, not the process id written in the file, says whether an
// instance runs, so a leftover file is taken over whatever it holds or whatever its mode.
class LockFileInstanceGuard : public InstanceGuard {
public:
    // The lock lives in PrivateLockFolder. When it can't keep a second copy out (no private
    // folder, a lock file that can't be written), the program runs all the same, and tell
    // says so once, with where and why.
    LockFileInstanceGuard(const QString& appName, std::function<void(const QString&)> tell = {});
    ~LockFileInstanceGuard() override;
    bool AnotherInstanceRunning() override;
    QString BlockingLock() const override { return m_blocking; }
    void Release() override;
    // Empty when no private folder can be had: the lock cannot keep a second copy out then.
    QString LockPath() const { return m_path; }

private:
    QString m_folder;
    QString m_path;
    QString m_blocking;
    std::unique_ptr<QLockFile> m_lock;
    std::function<void(const QString&)> m_tell;
    // Makes m_lock and tries to take it, where m_path names a lock not taken yet; whether a
    // running copy holds it. Each system tells a leftover file from a live one its own way.
    bool heldByAnother();
    // Says why no copy can be kept out, once, and answers that none runs.
    bool runUnguarded(const QString& why);
    // The same, for a lock file that can't be written (a full or read-only file system).
    bool lockUnwritable();
};

} // namespace platform

#include "platform/instance_lock.h"

#include <QCoreApplication>
#include <QDir>

// What the lock is on every system; where it lives and how a leftover is told from a live one
// differ, in instance_lock_posix.cpp and instance_lock_windows.cpp.
namespace platform {

LockFileInstanceGuard::LockFileInstanceGuard(const QString& appName,
                                             std::function<void(const QString&)> tell)
    : m_folder(PrivateLockFolder(appName)), m_tell(std::move(tell)) {
    if (!m_folder.isEmpty())
        m_path = QDir(m_folder).filePath(appName + QLatin1String(".lock"));
}

LockFileInstanceGuard::~LockFileInstanceGuard() { Release(); }

bool LockFileInstanceGuard::AnotherInstanceRunning() {
    m_blocking.clear();
    if (m_lock && m_lock->isLocked())
        return false;
    // Anywhere but a private folder the lock would be shared with other users, and one of them
    // could keep this one from ever starting: better to run unguarded than not at all.
    if (m_path.isEmpty())
        return runUnguarded(QCoreApplication::translate(
            "InstanceLock", "Lunavik runs without its check for a second copy: it finds no "
                            "folder that only you can open for its lock file."));
    return heldByAnother();
}

bool LockFileInstanceGuard::runUnguarded(const QString& why) {
    if (m_tell)
        m_tell(why);
    m_tell = nullptr; // once a start
    return false;
}

bool LockFileInstanceGuard::lockUnwritable() {
    return runUnguarded(QCoreApplication::translate("InstanceLock",
                                                    "Lunavik runs without its check for a second "
                                                    "copy: it cannot write its lock file %1.")
                            .arg(m_path));
}

} // namespace platform

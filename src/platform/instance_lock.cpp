#include "platform/instance_lock.h"

#include <QDir>

// What the lock is on every system; where it lives and how a leftover is told from a live one
// differ, in instance_lock_posix.cpp and instance_lock_windows.cpp.
namespace platform {

LockFileInstanceGuard::LockFileInstanceGuard(const QString& appName)
    : m_folder(PrivateLockFolder(appName)) {
    if (!m_folder.isEmpty())
        m_path = QDir(m_folder).filePath(appName + QLatin1String(".lock"));
}

LockFileInstanceGuard::~LockFileInstanceGuard() { Release(); }

bool LockFileInstanceGuard::AnotherInstanceRunning() {
    m_blocking.clear();
    if (m_lock && m_lock->isLocked())
        return false;
    // No private folder to lock in: no other copy can be seen, and the program says so.
    if (m_path.isEmpty())
        return false;
    return heldByAnother();
}

} // namespace platform

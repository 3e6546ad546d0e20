#include "platform/instance_lock.h"

#include "build_config.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

// The user's local application data (%LOCALAPPDATA%\<maker>\<program>), which only the user
// and the administrators may open.
QString PrivateLockFolder(const QString& appName) {
    const QString local = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!QDir::isAbsolutePath(local))
        return {};
    const QString folder =
        QDir(local).filePath(QStringLiteral(LUNAVIK_MAKER) + QLatin1Char('/') + appName);
    return QDir().mkpath(folder) ? folder : QString();
}

// A running copy holds its lock file open, and Windows will not remove an open file: a file
// that can be removed was left behind, whatever process id it names (Windows reuses them), even
// one marked read-only (a copy from a backup). A folder there is no copy's: it goes if it is
// empty, and is named if it cannot go.
bool LockFileInstanceGuard::heldByAnother() {
    m_lock = std::make_unique<QLockFile>(m_path);
    m_lock->setStaleLockTime(0);
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (m_lock->tryLock(0))
            return false;
        // The folder cannot hold a lock (read-only, full): better to start than to refuse.
        if (m_lock->error() != QLockFile::LockFailedError)
            return lockUnwritable();
        if (QFileInfo(m_path).isDir()) {
            if (QDir().rmdir(m_path))
                continue;
            m_blocking = m_path;
            return true;
        }
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
        if (!QFile::remove(m_path))
            return true;
    }
    return true; // something keeps making the file: another copy is starting
}

void LockFileInstanceGuard::Release() {
    if (m_lock && m_lock->isLocked())
        m_lock->unlock();
}

} // namespace platform

#include "build_config.h"
#include "platform/instance_lock.h"

#include <QDir>
#include <QStandardPaths>
#include <utility>

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

LockFileInstanceGuard::LockFileInstanceGuard(const QString& appName, QString folder)
    : m_folder(folder.isEmpty() ? PrivateLockFolder(appName) : std::move(folder)) {
    if (!m_folder.isEmpty())
        m_path = QDir(m_folder).filePath(appName + QLatin1String(".lock"));
}

LockFileInstanceGuard::~LockFileInstanceGuard() { Release(); }

// Windows keeps a file that a running process holds open from being deleted, and QLockFile
// takes over one whose process is gone, so it needs no help here.
bool LockFileInstanceGuard::AnotherInstanceRunning() {
    m_blocking.clear();
    if (m_lock && m_lock->isLocked())
        return false;
    if (m_path.isEmpty())
        return false;
    m_lock = std::make_unique<QLockFile>(m_path);
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return false;
    // The folder cannot hold a lock (read-only, full): better to start than to refuse.
    return m_lock->error() == QLockFile::LockFailedError;
}

void LockFileInstanceGuard::Release() {
    if (m_lock && m_lock->isLocked())
        m_lock->unlock();
}

} // namespace platform

#include "platform/instance_lock.h"
#include "platform/xdg_folders.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// A real folder (not a symlink) of this user that nobody else may enter.
bool isPrivateFolder(const QByteArray& path) {
    struct stat st = {};
    return ::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & 0777) == 0700;
}

// Serialises creating and taking over the lock among the starts of this user: without it, a
// start could take the freshly created file of another in the instant before that one locks
// it. The gate is a kernel lock on the private folder itself, so nothing of it is left behind.
class FolderGate {
public:
    explicit FolderGate(const QString& folder)
        : m_fd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        if (m_fd < 0)
            return;
        // Holders keep it for a few system calls; one that keeps it for seconds is stopped or
        // hung, and then this start goes ahead unserialised rather than hang behind it.
        for (int i = 0; i < 200; ++i) {
            if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0)
                return;
            if (errno != EWOULDBLOCK && errno != EINTR)
                break;
            ::usleep(10000);
        }
        ::close(m_fd);
        m_fd = -1;
    }
    ~FolderGate() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FolderGate(const FolderGate&) = delete;
    FolderGate& operator=(const FolderGate&) = delete;

private:
    int m_fd;
};

// A private folder the lock file can be made in.
bool canHoldLock(const QByteArray& path) {
    return isPrivateFolder(path) && ::access(path.constData(), W_OK | X_OK) == 0;
}

// Makes folder private to the user if it is missing, and closes it again if it is the user's
// own but opened up by someone (a copy, an archive). Whether it can hold the lock then.
bool makePrivateFolder(const QString& folder) {
    const QByteArray native = QFile::encodeName(folder);
    ::mkdir(native.constData(), 0700);
    struct stat st = {};
    if (::lstat(native.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
        (st.st_mode & 0777) != 0700)
        ::chmod(native.constData(), 0700);
    return canHoldLock(native);
}

enum class Leftover { Held, Removed, Stuck };

// On a file system without kernel locks only the file's content can tell: an owner named on
// this machine that still exists.
bool ownerNamedAlive(QLockFile& lock) {
    qint64 pid = 0;
    QString host, app;
    return lock.getLockInfo(&pid, &host, &app) && pid > 0 && host == QSysInfo::machineHostName() &&
           (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

// Whether a live process holds the lock file at path; if none does, the file goes, whatever it
// is: junk, an unreadable file, a symlink, a folder.
Leftover takeOverIfFree(const QString& path, QLockFile& lock) {
    const QByteArray native = QFile::encodeName(path);
    const int flags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    int fd = ::open(native.constData(), flags);
    if (fd < 0 && errno == EACCES) {
        // Mode 000: the folder is the user's own, so the user may make the file testable.
        ::chmod(native.constData(), S_IRUSR | S_IWUSR);
        fd = ::open(native.constData(), flags);
    }
    if (fd >= 0) {
        struct stat st = {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const bool held = errno == EWOULDBLOCK || ownerNamedAlive(lock);
            if (held) {
                ::close(fd);
                return Leftover::Held;
            }
        }
    }
    // Removed while its kernel lock is ours, so no start can take it up meanwhile.
    bool removed = ::unlink(native.constData()) == 0 || errno == ENOENT;
    if (!removed && (errno == EISDIR || errno == EPERM))
        removed = ::rmdir(native.constData()) == 0;
    if (fd >= 0)
        ::close(fd);
    return removed ? Leftover::Removed : Leftover::Stuck;
}

} // namespace

QString PrivateLockFolder(const QString& appName) {
    const QString runtime = XdgFolder("XDG_RUNTIME_DIR", nullptr);
    if (!runtime.isEmpty() && canHoldLock(QFile::encodeName(runtime)))
        return runtime;
    const QString cache = XdgFolder("XDG_CACHE_HOME", ".cache");
    if (!cache.isEmpty() && QDir().mkpath(cache)) {
        const QString folder = QDir(cache).filePath(appName);
        if (makePrivateFolder(folder))
            return folder;
    }
    // A home that cannot be written (a kiosk account, a broken login): the user's own folder in
    // the temporary folder, the one Qt itself falls back to for a missing runtime folder.
    const struct passwd* user = ::getpwuid(::geteuid());
    const QString userName = user != nullptr && user->pw_name != nullptr && *user->pw_name != 0
                                 ? QFile::decodeName(user->pw_name)
                                 : QString::number(::geteuid());
    const QString temporary = QDir(QDir::tempPath()).filePath(QLatin1String("runtime-") + userName);
    return QDir::isAbsolutePath(temporary) && makePrivateFolder(temporary) ? temporary : QString();
}

bool LockFileInstanceGuard::heldByAnother() {
    const FolderGate gate(m_folder);
    m_lock = std::make_unique<QLockFile>(m_path);
    m_lock->setStaleLockTime(0);
    const QByteArray native = QFile::encodeName(m_path);
    for (int attempt = 0; attempt < 3; ++attempt) {
        // QLockFile reads what it finds to learn the owner, and reading a pipe would wait for
        // ever: anything but a plain file goes first.
        struct stat st = {};
        if (::lstat(native.constData(), &st) == 0 && !S_ISREG(st.st_mode) &&
            takeOverIfFree(m_path, *m_lock) == Leftover::Stuck) {
            m_blocking = m_path;
            return true;
        }
        if (m_lock->tryLock(0))
            return false;
        // The folder cannot hold a lock (read-only, full): better to start than to refuse.
        if (m_lock->error() != QLockFile::LockFailedError)
            return lockUnwritable();
        switch (takeOverIfFree(m_path, *m_lock)) {
        case Leftover::Held:
            return true;
        case Leftover::Stuck:
            m_blocking = m_path;
            return true;
        case Leftover::Removed:
            break;
        }
    }
    return true; // something outside the gate keeps making the file: someone is starting
}

void LockFileInstanceGuard::Release() {
    if (!m_lock || !m_lock->isLocked())
        return;
    // QLockFile closes its file before removing it; inside the gate no start can take the
    // file over in between and then lose it to this removal.
    const FolderGate gate(m_folder);
    m_lock->unlock();
}

} // namespace platform

#include "instance_lock_test.h"
#include "platform/instance_lock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using platform::LockFileInstanceGuard;
using platform::PrivateLockFolder;

// Sets an environment variable for one scope (unset when value is null).
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name)) {
        value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }
    ~ScopedEnv() { m_had ? qputenv(m_name, m_old) : qunsetenv(m_name); }

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// Whatever a crash, a copy or a hand left at the lock path, no live process holds it, so the
// next start takes it over and then holds a real lock of its own.
TEST(LockFileGuardTest, LeftoverLockInAnyStateIsTakenOver) {
    // A process id that surely belongs to no one: one that has just ended.
    QTemporaryDir scratch;
    QProcess gone;
    ASSERT_TRUE(HoldLock(gone, scratch.filePath(QStringLiteral("other.lock"))));
    const QByteArray deadPid = QByteArray::number(gone.processId());
    gone.closeWriteChannel();
    ASSERT_TRUE(gone.waitForFinished(10000));
    const QByteArray here = QSysInfo::machineHostName().toUtf8();
    const QString outside = scratch.filePath(QStringLiteral("somebody's file"));
    writeFile(outside, "keep me");

    const struct {
        const char* name;
        std::function<void(const QString&)> plant;
    } cases[] = {
        {"dead owner on this machine",
         [&](const QString& p) { writeFile(p, deadPid + "\nlunavik\n" + here + "\n"); }},
        {"owner gone on another machine",
         [&](const QString& p) {
             writeFile(p, "4242\nlunavik\nsome-other-host\n");
             QFile f(p);
             ASSERT_TRUE(f.open(QIODevice::ReadWrite));
             f.setFileTime(QDateTime::currentDateTime().addDays(-3),
                           QFileDevice::FileModificationTime);
         }},
        {"empty, its writer killed at once", [&](const QString& p) { writeFile(p, {}); }},
        {"junk", [&](const QString& p) { writeFile(p, QByteArray("\x7f\0\xff\n-1\n\n", 9)); }},
        {"mode 000",
         [&](const QString& p) {
             writeFile(p, deadPid + "\nlunavik\n" + here + "\n");
             ASSERT_EQ(::chmod(QFile::encodeName(p).constData(), 0), 0);
         }},
        {"broken symlink",
         [&](const QString& p) { ASSERT_TRUE(QFile::link(p + QLatin1String(".gone"), p)); }},
        {"symlink to someone's file",
         [&](const QString& p) { ASSERT_TRUE(QFile::link(outside, p)); }},
        {"empty folder", [&](const QString& p) { ASSERT_TRUE(QDir().mkdir(p)); }},
        {"pipe",
         [&](const QString& p) { ASSERT_EQ(::mkfifo(QFile::encodeName(p).constData(), 0600), 0); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const ScopedEnv runtime("XDG_RUNTIME_DIR", QFile::encodeName(dir.path()));
        LockFileInstanceGuard guard(kApp);
        c.plant(guard.LockPath());
        EXPECT_FALSE(guard.AnotherInstanceRunning());
        const QFileInfo lock(guard.LockPath());
        EXPECT_TRUE(lock.isFile() && !lock.isSymLink());
        LockFileInstanceGuard second(kApp);
        EXPECT_TRUE(second.AnotherInstanceRunning());
        EXPECT_EQ(second.BlockingLock(), QString());
    }
    QFile kept(outside);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "keep me");
}

int modeOf(const QString& path) {
    struct stat st = {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

std::vector<QString> g_warnings;

// The runtime folder only when nobody else can reach into it; otherwise a private folder in the
// user's cache folder; never a shared one, and nothing said on the terminal.
TEST(PrivateLockFolderTest, RuntimeFolderOnlyWhenPrivateElseOwnCacheFolder) {
    QTemporaryDir dir;
    const QString cache = dir.filePath(QStringLiteral("cache"));
    const QString fallback = cache + QLatin1String("/lunavik");
    const ScopedEnv cacheHome("XDG_CACHE_HOME", QFile::encodeName(cache));
    const auto folder = [&](const QString& name, int mode) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(QDir().mkpath(path));
        ::chmod(QFile::encodeName(path).constData(), static_cast<mode_t>(mode));
        return QFile::encodeName(path);
    };
    const QByteArray privateRuntime = folder(QStringLiteral("runtime"), 0700);
    const QByteArray linked = QFile::encodeName(dir.filePath(QStringLiteral("link")));
    ASSERT_TRUE(QFile::link(QFile::decodeName(privateRuntime), QFile::decodeName(linked)));
    QByteArray foreign;
    if (::geteuid() == 0) {
        foreign = folder(QStringLiteral("foreign"), 0700);
        ASSERT_EQ(::chown(foreign.constData(), 65534, 65534), 0);
    }

    g_warnings.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
            g_warnings.push_back(text);
        });
    const struct {
        const char* name;
        QByteArray runtime;
        QString expected;
    } cases[] = {{"private runtime folder", privateRuntime, QFile::decodeName(privateRuntime)},
                 {"no runtime folder", QByteArray(), fallback},
                 {"runtime folder open to others", folder(QStringLiteral("open"), 0755), fallback},
                 {"runtime folder behind a symlink", linked, fallback},
                 {"relative runtime folder", "runtime", fallback},
                 {"runtime folder of another user", foreign, fallback}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ScopedEnv runtime("XDG_RUNTIME_DIR", c.runtime);
        EXPECT_EQ(PrivateLockFolder(kApp), c.expected);
        EXPECT_EQ(modeOf(fallback), c.expected == fallback ? 0700 : -1);
        QDir(fallback).removeRecursively();
    }

    const ScopedEnv noRuntime("XDG_RUNTIME_DIR", QByteArray());
    {
        // A home whose name does not decode is never made anew under the decoded name.
        const QByteArray home = QFile::encodeName(dir.path()) + "/j\xFCrgen";
        ASSERT_EQ(::mkdir(home.constData(), 0700), 0);
        const ScopedEnv homeEnv("HOME", home), noCache("XDG_CACHE_HOME", QByteArray());
        PrivateLockFolder(kApp);
        EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral(u"j\uFFFDrgen"))));
    }
    // The program's own cache folder: closed again if opened up, refused if it is a symlink.
    ASSERT_TRUE(QDir().mkpath(fallback));
    ::chmod(QFile::encodeName(fallback).constData(), 0777);
    EXPECT_EQ(PrivateLockFolder(kApp), fallback);
    EXPECT_EQ(modeOf(fallback), 0700);
    ASSERT_TRUE(QDir(fallback).removeRecursively());
    ASSERT_TRUE(QFile::link(QFile::decodeName(privateRuntime), fallback));
    // Then the user's own folder in the temporary folder, on the same terms; past that, none.
    const ScopedEnv tmp("TMPDIR", QFile::encodeName(dir.path()));
    const QString temporary = dir.filePath(
        QLatin1String("runtime-") + QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name));
    EXPECT_EQ(PrivateLockFolder(kApp), temporary);
    ASSERT_TRUE(QDir(temporary).removeRecursively());
    ASSERT_TRUE(QFile::link(QFile::decodeName(privateRuntime), temporary));
    EXPECT_EQ(PrivateLockFolder(kApp), QString());
    EXPECT_EQ(LockFileInstanceGuard(kApp).LockPath(), QString());

    qInstallMessageHandler(previous);
    EXPECT_TRUE(g_warnings.empty()) << g_warnings.front().toStdString();
}

} // namespace

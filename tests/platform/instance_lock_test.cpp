#include "instance_lock_test.h"
#include "platform/instance_lock.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

using platform::LockFileInstanceGuard;

// The guards lock where the program's do: on Linux in the fresh runtime folder of the tests' main.
TEST(LockFileGuardTest, RefusesOnlyWhileTheHolderLives) {
    LockFileInstanceGuard first(kApp);
    QProcess holder;
    ASSERT_TRUE(HoldLock(holder, first.LockPath()));
    EXPECT_TRUE(first.AnotherInstanceRunning());
    EXPECT_EQ(first.BlockingLock(), QString());

    holder.kill();
    ASSERT_TRUE(holder.waitForFinished(10000));
    ASSERT_TRUE(QFile::setPermissions(first.LockPath(), QFile::ReadOwner)); // as copies can be
    LockFileInstanceGuard next(kApp);
    EXPECT_FALSE(next.AnotherInstanceRunning());
    EXPECT_TRUE(LockFileInstanceGuard(kApp).AnotherInstanceRunning());
    next.Release();
    EXPECT_FALSE(LockFileInstanceGuard(kApp).AnotherInstanceRunning());
}

TEST(LockFileGuardTest, LockThatCannotBeRemovedIsNamedNotTakenForAnInstance) {
    LockFileInstanceGuard guard(kApp);
    ASSERT_TRUE(QDir().mkpath(guard.LockPath() + QLatin1String("/inside")));
    EXPECT_TRUE(guard.AnotherInstanceRunning());
    EXPECT_EQ(guard.BlockingLock(), guard.LockPath());

    ASSERT_TRUE(QDir(guard.LockPath()).rmdir(QStringLiteral("inside"))); // empty, it goes
    EXPECT_FALSE(guard.AnotherInstanceRunning());
    EXPECT_EQ(guard.BlockingLock(), QString());
}

// A lock file that can't be written (a full or read-only disk; here a name too long for any
// file system, which on Windows stops even its folder) lets the start go on, and says so, once.
TEST(LockFileGuardTest, LockThatCannotBeWrittenIsToldOnce) {
    QStringList told;
    LockFileInstanceGuard guard(QString(300, u'x'), [&told](const QString& line) { told << line; });
    EXPECT_FALSE(guard.AnotherInstanceRunning());
    EXPECT_FALSE(guard.AnotherInstanceRunning());
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].startsWith(
        QStringLiteral("Lunavik runs without its check for a second copy: it ")));
}

} // namespace

#include "platform/qt_services.h"
#include "program_fixture.h"
#include "shell/setting_encoding.h"

#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

namespace {

using platform::QtSettingsStore;
using setting_encoding::EncodeSetting;

const QString kApp = QStringLiteral("lunavik");
const QString kSection = QStringLiteral("Settings");
// The reminder's real value; like its key, every character lies above U+007F.
const QString kValue = EncodeSetting(QStringLiteral("2026-12-07T09:30:00"));

TEST(QtSettingsStoreTest, DamagedFileReadsEmptyAndSavedValueOutlivesTheStoreObject) {
    const QDir config(qEnvironmentVariable("XDG_CONFIG_HOME")); // fresh from the tests' main
    ASSERT_TRUE(config.mkpath(kApp));
    QFile file(config.filePath(kApp + QLatin1Char('/') + kApp + QLatin1String(".ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    std::mt19937 bytes(7);
    for (int i = 0; i < 4096; ++i)
        file.putChar(static_cast<char>(bytes()));
    file.close();

    QtSettingsStore store;
    EXPECT_EQ(store.Read(kApp, kSection, kReminderKey), QString());
    store.Save(kApp, kSection, kReminderKey, QStringLiteral("old"));
    store.Save(kApp, kSection, kReminderKey, kValue);
    QtSettingsStore later;
    EXPECT_EQ(later.Read(kApp, kSection, kReminderKey), kValue);
    EXPECT_EQ(later.Read(kApp, kSection, QStringLiteral("Missing")), QString());
    EXPECT_EQ(later.Read(QStringLiteral("other"), kSection, kReminderKey), QString());
}

TEST(QtSettingsStoreTest, UnwritableFolderIsNoFailure) {
    QTemporaryDir dir;
    // A file where the application's folder belongs stops writes even for root; the
    // read-only folder stops them for everyone else.
    QFile blocker(dir.filePath(kApp));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString readOnly = dir.filePath(QStringLiteral("readonly"));
    ASSERT_TRUE(QDir().mkpath(readOnly));
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner);
    for (const QString& folder : {dir.path(), readOnly}) {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder));
        QtSettingsStore store;
        store.Save(kApp, kSection, kReminderKey, kValue);
        store.Flush();
        EXPECT_TRUE(store.Read(kApp, kSection, kReminderKey).isEmpty() ||
                    store.Read(kApp, kSection, kReminderKey) == kValue);
    }
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(QtMessageBoxTest, ShowsABareCarriageReturnAsALineBreakAndAnswersByKey) {
    const struct {
        platform::MsgButtons buttons;
        Qt::Key key;
        platform::MsgAnswer answer;
    } cases[] = {{platform::MsgButtons::YesNo, Qt::Key_Return, platform::MsgAnswer::Yes},
                 {platform::MsgButtons::YesNo, Qt::Key_Escape, platform::MsgAnswer::No},
                 {platform::MsgButtons::Ok, Qt::Key_Escape, platform::MsgAnswer::Ok}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        MessageBoxReader reader(c.key);
        EXPECT_EQ(platform::QtMessageBox().Show(QStringLiteral("First\rSecond"),
                                                platform::MsgIcon::Information, c.buttons,
                                                QStringLiteral("Lunavik")),
                  c.answer);
        ASSERT_EQ(reader.m_seen.size(), 1u);
        EXPECT_EQ(reader.m_seen[0].text, QStringLiteral("First\nSecond"));
        EXPECT_EQ(reader.m_seen[0].title, QStringLiteral("Lunavik"));
        EXPECT_EQ(reader.m_seen[0].icon, QMessageBox::Information);
    }
    EXPECT_EQ(platform::LineFeedsOnly(QStringLiteral("a\r\nb\rc")), QStringLiteral("a\nb\nc"));
}

TEST(StdRandomGeneratorTest, ValuesLieInTheHalfOpenUnitInterval) {
    platform::StdRandomGenerator random;
    random.Randomize();
    double sum = 0;
    for (int i = 0; i < 100000; ++i) {
        const float r = random.Rnd();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        sum += r;
    }
    EXPECT_NEAR(sum / 100000, 0.5, 0.01);
}

} // namespace

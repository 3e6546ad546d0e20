// The settings file's own cases: Linux keeps the settings in a file, Windows in the registry.
#include "platform/qt_services.h"
#include "program_fixture.h"
#include "shell/setting_encoding.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdlib>
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

// What lies at the settings file's place, or where the configuration folder is said to be,
// never crashes, hangs or blocks the start; what can't be read or kept is told once.
TEST(QtSettingsStoreTest, HostilePlacesAreToldAndNeverRead) {
    const struct {
        const char* name;
        const char* config;  // XDG_CONFIG_HOME below the test's folder, or as it stands
        const char* prepare; // shell commands run in the test's folder first
        const char* told;    // the start of the line told, "" nothing
        const char* savedAt; // where the value then lies, "" nowhere
    } cases[] = {
        {"pipe", "c", "mkdir -p c/lunavik && mkfifo c/lunavik/lunavik.ini",
         "Lunavik does not use its settings file", ""},
        {"device", "c", "mkdir -p c/lunavik && ln -s /dev/zero c/lunavik/lunavik.ini",
         "Lunavik does not use its settings file", ""},
        {"endless file", "c", "mkdir -p c/lunavik && truncate -s 100G c/lunavik/lunavik.ini", "",
         "c/lunavik/lunavik.ini"},
        {"damaged, no room to set it aside", "c",
         "mkdir -p c/lunavik/lunavik.ini.damaged/x && printf '[S]\\nv=@Variant(\\\\0)\\n' >"
         " c/lunavik/lunavik.ini",
         "Lunavik does not read its settings file", ""},
        {"folder named by a file", "c", "touch c", "Lunavik cannot save its settings in", ""},
        {"relative folder", "relcfg", "mkdir home", "", "home/.config/lunavik/lunavik.ini"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        ASSERT_EQ(std::system(qPrintable(
                      QStringLiteral("cd '%1' && %2").arg(dir.path(), QLatin1String(c.prepare)))),
                  0);
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME"), home = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(dir.filePath(QStringLiteral("home"))));
        const QByteArray config(c.config);
        qputenv("XDG_CONFIG_HOME", config.startsWith("rel")
                                       ? config
                                       : QFile::encodeName(dir.filePath(QLatin1String(c.config))));
        QStringList told;
        {
            QtSettingsStore store([&told](const QString& line) { told << line; });
            EXPECT_EQ(store.Read(kApp, kSection, kReminderKey), QString());
            store.Save(kApp, kSection, kReminderKey, kValue);
            store.Flush();
        }
        qputenv("XDG_CONFIG_HOME", saved);
        qputenv("HOME", home);
        ASSERT_EQ(told.size(), *c.told ? 1 : 0) << told.join(u'\n').toStdString();
        if (*c.told) {
            EXPECT_TRUE(told[0].startsWith(QLatin1String(c.told))) << told[0].toStdString();
        }
        if (*c.savedAt) {
            QSettings file(dir.filePath(QLatin1String(c.savedAt)), QSettings::IniFormat);
            EXPECT_EQ(file.value(kSection + u'/' + kReminderKey).toString(), kValue);
        }
    }
}

} // namespace

#include "platform/qt_services.h"
#include "program_fixture.h"

#include <QDateTime>
#include <QSettings>
#include <gtest/gtest.h>

namespace {

// Qt decodes a "@Variant(" or "@DateTime(" value as whatever its bytes claim: such go, others
// stay, two in a row included; and nothing is read from the keys Qt would fall back to.
TEST(QtSettingsStoreTest, StoredVariantsInTheRegistryReadEmptyOtherValuesStay) {
    const QString app = QStringLiteral("lunavik"), section = QStringLiteral("Settings");
    const QString maker = QStringLiteral("HKEY_CURRENT_USER\\Software\\Orvaneth Softwares\\");
    QSettings planted(maker + app, QSettings::NativeFormat);
    QSettings fallback(maker + QStringLiteral("OrganizationDefaults"), QSettings::NativeFormat);
    for (QSettings* key : {&planted, &fallback})
        key->setValue(section + QLatin1Char('/') + kReminderKey, QDate(2026, 12, 7));
    planted.setValue(QStringLiteral("Settings/Next"), QDate(2026, 12, 8));
    planted.setValue(QStringLiteral("Settings/Older/Due"),
                     QDateTime(QDate(2000, 1, 1), QTime(0, 0)));
    planted.setValue(QStringLiteral("Settings/Kept"), QStringLiteral("yes"));
    fallback.setValue(QStringLiteral("Settings/Fallback"), QStringLiteral("yes"));
    planted.sync();
    fallback.sync();
    platform::QtSettingsStore store;
    EXPECT_EQ(store.Read(app, section, kReminderKey), QString());
    EXPECT_EQ(store.Read(app, section, QStringLiteral("Next")), QString());
    EXPECT_EQ(store.Read(app, QStringLiteral("Settings/Older"), QStringLiteral("Due")), QString());
    EXPECT_EQ(store.Read(app, section, QStringLiteral("Fallback")), QString());
    EXPECT_EQ(store.Read(app, section, QStringLiteral("Kept")), QStringLiteral("yes"));
    store.Save(app, section, kReminderKey, QStringLiteral("2027"));
    EXPECT_EQ(platform::QtSettingsStore().Read(app, section, kReminderKey), QStringLiteral("2027"));
    planted.clear(); // the build's registry as it was
    fallback.clear();
}

} // namespace

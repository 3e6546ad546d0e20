#include "platform/qt_services.h"
#include "platform/user_settings.h"
#include "program_fixture.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace {

// Qt decodes a "@Variant(" or "@DateTime(" value as whatever its bytes claim: such go, others stay.
TEST(QtSettingsStoreTest, StoredVariantsInTheRegistryReadEmptyOtherValuesStay) {
    const QString app = QStringLiteral("lunavik"), section = QStringLiteral("Settings");
    const auto planted = platform::OpenUserSettings(app);
    planted->setValue(section + QLatin1Char('/') + kReminderKey, QDate(2026, 12, 7));
    planted->setValue(QStringLiteral("Settings/Older/Due"),
                      QDateTime(QDate(2000, 1, 1), QTime(0, 0)));
    planted->setValue(QStringLiteral("Settings/Kept"), QStringLiteral("yes"));
    planted->sync();
    platform::QtSettingsStore store;
    EXPECT_EQ(store.Read(app, section, kReminderKey), QString());
    EXPECT_EQ(store.Read(app, QStringLiteral("Settings/Older"), QStringLiteral("Due")), QString());
    EXPECT_EQ(store.Read(app, section, QStringLiteral("Kept")), QStringLiteral("yes"));
    store.Save(app, section, kReminderKey, QStringLiteral("2027"));
    EXPECT_EQ(platform::QtSettingsStore().Read(app, section, kReminderKey), QStringLiteral("2027"));
    platform::OpenUserSettings(app)->clear(); // the build's registry as it was
}

} // namespace

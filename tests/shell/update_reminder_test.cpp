#include "program_fixture.h"
#include "shell/setting_encoding.h"

#include <QLocale>

namespace {

using namespace settings_encoding;
using platform::MsgAnswer;

QDateTime at(int year, int month, int day, int hour = 9, int minute = 30) {
    return {QDate(year, month, day), QTime(hour, minute)};
}

class UpdateReminder : public ProgramTest {
protected:
    void storeText(const QString& raw) { fake.settings.values[kFakeReminderKey] = raw; }
    void store(const QDateTime& moment) { storeReminder(DateToSetting(moment)); }
    QString storedText() const {
        const auto it = fake.settings.values.find(kFakeReminderKey);
        return it == fake.settings.values.end() ? QString() : DecodeSetting(it->second);
    }
};

TEST_F(UpdateReminder, StoresTheMomentAfterTheBoxClosedOpensTheDownloadPageOnYesAndAsksOnce) {
    for (const MsgAnswer answer : {MsgAnswer::Yes, MsgAnswer::No}) {
        SCOPED_TRACE(answer == MsgAnswer::Yes ? "Yes" : "No");
        fake.urls.opened.clear();
        fake.clock.now = at(2026, 12, 7);
        store(at(2026, 10, 1));
        fake.messageBox.answers = {answer};
        fake.messageBox.onShow = [this](const fakes::ShownMessage&) {
            EXPECT_TRUE(fake.urls.opened.isEmpty());
            fake.clock.now = at(2026, 12, 7, 10, 45); // the user took a while
        };
        program->help.CheckForUpdate();
        program->help.CheckForUpdate();
        expectReminder();
        EXPECT_EQ(storedText(), QStringLiteral("2026-12-07T10:45:00"));
        EXPECT_EQ(fake.urls.opened, answer == MsgAnswer::Yes
                                        ? QStringList{pageUrl("download-web-page")}
                                        : QStringList());
    }
}

TEST_F(UpdateReminder, CountsCalendarDaysEitherWay) {
    const struct {
        QDateTime now, stored;
        bool due;
    } cases[] = {{at(2026, 12, 7), at(2026, 11, 23), false},
                 {at(2026, 12, 7), at(2026, 12, 21), false},
                 {at(2026, 12, 7), at(2026, 11, 22), true},
                 {at(2026, 12, 7), at(2026, 12, 22), true},
                 {at(2026, 12, 7, 0, 1), at(2026, 12, 6, 23, 59), false},
                 {at(2026, 12, 7, 0, 1), at(2026, 11, 22, 23, 59), true},  // under 360 hours
                 {at(2026, 12, 7, 23, 59), at(2026, 11, 23, 0, 1), false}, // nearly 360 hours
                 {at(2026, 12, 7, 23, 59), at(2026, 12, 22, 0, 1), true},
                 {at(2027, 1, 5), at(2026, 12, 21), true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(qPrintable(c.stored.toString(Qt::ISODate) + QStringLiteral(" at ") +
                                c.now.toString(Qt::ISODate)));
        fake.settings.saves = 0;
        fake.clock.now = c.now;
        store(c.stored);
        program->help.CheckForUpdate();
        if (c.due) {
            expectReminder();
            EXPECT_EQ(storedText(), c.now.toString(Qt::ISODate));
        } else {
            expectNoMessage();
            EXPECT_EQ(fake.settings.saves, 0);
        }
    }
}

// What older versions wrote: the regional short date and time, read back under that region.
TEST_F(UpdateReminder, ReadsARecentRegionalValueAsRecent) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::French));
    storeReminder(QLocale().toString(at(2026, 11, 30), QLocale::ShortFormat));
    program->help.CheckForUpdate();
    QLocale::setDefault(previous);
    expectNoMessage();
    EXPECT_EQ(fake.settings.saves, 0);
}

// Nothing stored (a first run) or nothing readable: count from now, silently.
TEST_F(UpdateReminder, FirstRunOrDamagedValueStoresNowWithoutAskingAndStartsUp) {
    for (const QString& raw :
         {QString(), EncodeSetting(QStringLiteral("garbage")),
          EncodeSetting(QStringLiteral("2026-13-45T99:00:00")),
          QStringLiteral("2026-12-07T09:30:00"), QStringLiteral(u"\u4E2D\u6587")}) {
        SCOPED_TRACE(raw.toStdString());
        storeText(raw);
        program->help.CheckForUpdate();
        expectNoMessage();
        EXPECT_EQ(storedText(), QStringLiteral("2026-12-07T09:30:00"));
        EXPECT_TRUE(fake.urls.opened.isEmpty());
    }
    storeReminder(QStringLiteral("garbage"));
    start();
    expectNoMessage();
    EXPECT_TRUE(program->main.Visible());
}

} // namespace

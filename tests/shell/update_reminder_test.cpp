#include "program_fixture.h"
#include "shell/setting_encoding.h"

#include <QLocale>

namespace {

using namespace setting_encoding;
using platform::MsgAnswer;

QDateTime at(int year, int month, int day, int hour = 9, int minute = 30) {
    return {QDate(year, month, day), QTime(hour, minute)};
}

class UpdateReminder : public ProgramTest {
protected:
    void storeText(const QString& raw) { m_fake.settings.m_values[kFakeReminderKey] = raw; }
    // As the settings hold it: the ISO text, shifted (see setting_encoding_test).
    QString storedValue() const {
        const auto it = m_fake.settings.m_values.find(kFakeReminderKey);
        return it == m_fake.settings.m_values.end() ? QString() : it->second;
    }
};

TEST_F(UpdateReminder, StoresTheMomentAfterTheBoxClosedOpensTheDownloadPageOnYesAndAsksOnce) {
    for (const MsgAnswer answer : {MsgAnswer::Yes, MsgAnswer::No}) {
        SCOPED_TRACE(answer == MsgAnswer::Yes ? "Yes" : "No");
        m_fake.urls.m_opened.clear();
        m_fake.clock.m_now = at(2026, 12, 7);
        storeReminder(); // 2026-10-01
        m_fake.messageBox.m_answers = {answer};
        m_fake.messageBox.m_onShow = [this](const fakes::ShownMessage&) {
            EXPECT_TRUE(m_fake.urls.m_opened.isEmpty());
            m_fake.clock.m_now = at(2026, 12, 7, 10, 45); // the user took a while
        };
        m_program->m_help.CheckForUpdate();
        m_program->m_help.CheckForUpdate();
        expectReminder();
        EXPECT_EQ(storedValue(), EncodeSetting(QStringLiteral("2026-12-07T10:45:00")));
        EXPECT_EQ(m_fake.urls.m_opened, answer == MsgAnswer::Yes
                                            ? QStringList{PageUrl("download-web-page")}
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
        m_fake.settings.m_saves = 0;
        m_fake.clock.m_now = c.now;
        storeReminder(c.stored.toString(Qt::ISODate));
        m_program->m_help.CheckForUpdate();
        if (c.due) {
            expectReminder();
            EXPECT_EQ(storedValue(), EncodeSetting(c.now.toString(Qt::ISODate)));
        } else {
            expectNoMessage();
            EXPECT_EQ(m_fake.settings.m_saves, 0);
        }
    }
}

// What older versions wrote: the regional short date and time, read back under that region.
TEST_F(UpdateReminder, ReadsARecentRegionalValueAsRecent) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::French));
    storeReminder(QLocale().toString(at(2026, 11, 30), QLocale::ShortFormat));
    m_program->m_help.CheckForUpdate();
    QLocale::setDefault(previous);
    expectNoMessage();
    EXPECT_EQ(m_fake.settings.m_saves, 0);
}

// Nothing stored (a first run) or nothing readable: count from now, silently.
TEST_F(UpdateReminder, FirstRunOrDamagedValueStoresNowWithoutAskingAndStartsUp) {
    for (const QString& raw :
         {QString(), EncodeSetting(QStringLiteral("garbage")),
          EncodeSetting(QStringLiteral("2026-13-45T99:00:00")),
          QStringLiteral("2026-12-07T09:30:00"), QStringLiteral(u"\u4E2D\u6587")}) {
        SCOPED_TRACE(raw.toStdString());
        storeText(raw);
        m_program->m_help.CheckForUpdate();
        expectNoMessage();
        EXPECT_EQ(storedValue(), EncodeSetting(QStringLiteral("2026-12-07T09:30:00")));
        EXPECT_TRUE(m_fake.urls.m_opened.isEmpty());
    }
    storeReminder(QStringLiteral("garbage"));
    start();
    expectNoMessage();
    EXPECT_TRUE(main().IsVisible());
}

} // namespace

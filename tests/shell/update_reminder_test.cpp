#include "build_config.h"
#include "program_fixture.h"
#include "shell/setting_encoding.h"

#include <QLocale>

namespace {

using namespace settings_encoding;
using platform::MsgAnswer;

const QString kReminderText = QStringLiteral("There maybe an update to this software available\r"
                                             "Do you want to check for an update?");
const QString kDownloadUrl =
    QStringLiteral(LUNAVIK_SITE_BASE "/lunavik/ssd.php?page=download-web-page");

QDateTime at(int year, int month, int day, int hour = 9, int minute = 30) {
    return {QDate(year, month, day), QTime(hour, minute)};
}

class UpdateReminder : public ProgramTest {
protected:
    // Where the fake store keeps the value of application "lunavik", section "Settings".
    static QString key() {
        return QStringLiteral("lunavik/Settings/") + EncodeSetting(QStringLiteral("Duration"));
    }
    void storeText(const QString& raw) { fake.settings.values[key()] = raw; }
    void store(const QDateTime& moment) { storeText(EncodeSetting(DateToSetting(moment))); }
    QString storedText() const {
        const auto it = fake.settings.values.find(key());
        return it == fake.settings.values.end() ? QString() : DecodeSetting(it->second);
    }
    void expectReminderShown() {
        ASSERT_EQ(fake.messageBox.shown.size(), 1u);
        const fakes::ShownMessage& m = fake.messageBox.shown.front();
        EXPECT_EQ(m.text, kReminderText);
        EXPECT_EQ(m.icon, platform::MsgIcon::Information);
        EXPECT_EQ(m.buttons, platform::MsgButtons::YesNo);
        EXPECT_EQ(m.title, QStringLiteral("Lunavik"));
    }
};

TEST_F(UpdateReminder, FirstRunStoresNowWithoutAsking) {
    program->help.CheckForUpdate();
    EXPECT_TRUE(fake.messageBox.shown.empty());
    EXPECT_EQ(storedText(), QStringLiteral("2026-12-07T09:30:00"));
    EXPECT_TRUE(fake.urls.opened.isEmpty());
}

TEST_F(UpdateReminder, TwoRunsInOneStartUpAskOnce) {
    store(at(2026, 10, 1));
    program->help.CheckForUpdate();
    program->help.CheckForUpdate();
    EXPECT_EQ(fake.messageBox.shown.size(), 1u);
}

struct AnswerCase {
    const char* name;
    MsgAnswer answer;
    QStringList opened;
};

class UpdateReminderAnswer : public UpdateReminder,
                             public testing::WithParamInterface<AnswerCase> {};

TEST_P(UpdateReminderAnswer, StoresTheMomentAfterTheBoxClosed) {
    store(at(2026, 10, 1));
    fake.messageBox.answers = {GetParam().answer};
    fake.messageBox.onShow = [this](const fakes::ShownMessage&) {
        EXPECT_TRUE(fake.urls.opened.isEmpty());
        fake.clock.now = at(2026, 12, 7, 10, 45); // the user took a while
    };
    program->help.CheckForUpdate();
    expectReminderShown();
    EXPECT_EQ(storedText(), QStringLiteral("2026-12-07T10:45:00"));
    EXPECT_EQ(fake.urls.opened, GetParam().opened);
}

INSTANTIATE_TEST_SUITE_P(Answers, UpdateReminderAnswer,
                         testing::Values(AnswerCase{"Yes", MsgAnswer::Yes, {kDownloadUrl}},
                                         AnswerCase{"No", MsgAnswer::No, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

struct DayCase {
    const char* name;
    QDateTime now, stored;
    bool due;
};

class UpdateReminderDays : public UpdateReminder, public testing::WithParamInterface<DayCase> {};

TEST_P(UpdateReminderDays, CountsCalendarDaysEitherWay) {
    const DayCase& c = GetParam();
    fake.clock.now = c.now;
    store(c.stored);
    program->help.CheckForUpdate();
    if (c.due) {
        expectReminderShown();
        EXPECT_EQ(storedText(), c.now.toString(Qt::ISODate));
    } else {
        EXPECT_TRUE(fake.messageBox.shown.empty());
        EXPECT_EQ(fake.settings.saves, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UpdateReminderDays,
    testing::Values(DayCase{"FourteenDaysAgo", at(2026, 12, 7), at(2026, 11, 23), false},
                    DayCase{"FourteenDaysAhead", at(2026, 12, 7), at(2026, 12, 21), false},
                    DayCase{"FifteenDaysAgo", at(2026, 12, 7), at(2026, 11, 22), true},
                    DayCase{"FifteenDaysAhead", at(2026, 12, 7), at(2026, 12, 22), true},
                    DayCase{"YesterdayLateIsOneDay", at(2026, 12, 7, 0, 1), at(2026, 12, 6, 23, 59),
                            false},
                    DayCase{"FifteenDaysAgoUnder360Hours", at(2026, 12, 7, 0, 1),
                            at(2026, 11, 22, 23, 59), true},
                    DayCase{"FourteenDaysAgoNearly360Hours", at(2026, 12, 7, 23, 59),
                            at(2026, 11, 23, 0, 1), false},
                    DayCase{"FifteenDaysAheadUnder360Hours", at(2026, 12, 7, 23, 59),
                            at(2026, 12, 22, 0, 1), true},
                    DayCase{"AcrossTheYearEnd", at(2027, 1, 5), at(2026, 12, 21), true},
                    DayCase{"YearsAgo", at(2026, 12, 7), at(2019, 3, 1), true}),
    [](const testing::TestParamInfo<DayCase>& info) { return std::string(info.param.name); });

// What older versions wrote: the regional short date and time, read back under that region.
TEST_F(UpdateReminder, ReadsARecentRegionalValueAsRecent) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::French));
    storeText(EncodeSetting(QLocale().toString(at(2026, 11, 30), QLocale::ShortFormat)));
    program->help.CheckForUpdate();
    QLocale::setDefault(previous);
    EXPECT_TRUE(fake.messageBox.shown.empty());
    EXPECT_EQ(fake.settings.saves, 0);
}

struct DamagedCase {
    const char* name;
    QString raw;
};

class UpdateReminderDamaged : public UpdateReminder,
                              public testing::WithParamInterface<DamagedCase> {};

TEST_P(UpdateReminderDamaged, StartsCountingAgainAndStartsUp) {
    storeText(GetParam().raw);
    start();
    EXPECT_TRUE(fake.messageBox.shown.empty());
    EXPECT_EQ(storedText(), QStringLiteral("2026-12-07T09:30:00"));
    EXPECT_TRUE(program->main.Visible());
}

INSTANTIATE_TEST_SUITE_P(
    Values, UpdateReminderDamaged,
    testing::Values(DamagedCase{"NotADate", EncodeSetting(QStringLiteral("garbage"))},
                    DamagedCase{"ImpossibleDate",
                                EncodeSetting(QStringLiteral("2026-13-45T99:00:00"))},
                    DamagedCase{"UnencodedText", QStringLiteral("2026-12-07T09:30:00")},
                    DamagedCase{"OutsideCodePage", QStringLiteral(u"\u4E2D\u6587")}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

// The update reminder switched off, as a distribution builds it (LUNAVIK_UPDATE_REMINDER=OFF).
#include "program_fixture.h"

namespace {

class UpdateReminderSwitchedOff : public ProgramTest {
protected:
    void SetUp() override { program = std::make_unique<TestedProgram>(fake.platform, false); }
    void startsWithoutAskingAndNeverWrites() {
        fake.clock.now = QDateTime(QDate(2026, 12, 7), QTime(9, 30));
        start();
        EXPECT_TRUE(program->main.Visible());
        program->help.CheckForUpdate();
        expectNoMessage();
        EXPECT_EQ(fake.settings.saves, 0);
        EXPECT_TRUE(fake.urls.opened.isEmpty());
    }
};

TEST_F(UpdateReminderSwitchedOff, FirstRunStoresNothing) {
    startsWithoutAskingAndNeverWrites();
    EXPECT_TRUE(fake.settings.values.empty());
}

TEST_F(UpdateReminderSwitchedOff, OverdueReminderIsNotShown) {
    storeReminder();
    startsWithoutAskingAndNeverWrites();
}

} // namespace

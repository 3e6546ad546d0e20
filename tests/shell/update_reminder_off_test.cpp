// The update reminder switched off, as a distribution builds it (LUNAVIK_UPDATE_REMINDER=OFF).
#include "program_fixture.h"

namespace {

class UpdateReminderSwitchedOff : public ProgramTest {
protected:
    void SetUp() override { m_program = std::make_unique<TestedProgram>(m_fake.platform, false); }
    void startsWithoutAskingAndNeverWrites() {
        m_fake.clock.m_now = QDateTime(QDate(2026, 12, 7), QTime(9, 30));
        start();
        EXPECT_TRUE(main().IsVisible());
        m_program->m_help.CheckForUpdate();
        expectNoMessage();
        EXPECT_EQ(m_fake.settings.m_saves, 0);
        EXPECT_TRUE(m_fake.urls.m_opened.isEmpty());
    }
};

TEST_F(UpdateReminderSwitchedOff, FirstRunStoresNothing) {
    startsWithoutAskingAndNeverWrites();
    EXPECT_TRUE(m_fake.settings.m_values.empty());
}

TEST_F(UpdateReminderSwitchedOff, OverdueReminderIsNotShown) {
    storeReminder();
    startsWithoutAskingAndNeverWrites();
}

} // namespace

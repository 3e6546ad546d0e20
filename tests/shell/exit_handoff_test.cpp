// Leaving the working windows hands over to the exit promotion screen; only leaving that
// screen ends the process.
#include "program_fixture.h"
#include "ui/captions.h"

#include <QAction>
#include <ostream>

class ExitHandoffTest : public ProgramTest {
protected:
    frmMain& main() { return program->main; }
    frmNagScreen2& nag() { return program->nag; }
    void startAndNext() {
        start();
        QTest::keyClicks(box(main(), "txtFirstName")->editor(), QStringLiteral("john"));
        QTest::keyClicks(box(main(), "txtLastName")->editor(), QStringLiteral("smith"));
        QTest::mouseClick(control<QPushButton>(main(), "cmdNext"), Qt::LeftButton);
        ASSERT_TRUE(program->result.Visible());
    }
    void back() {
        QTest::mouseClick(control<QPushButton>(program->result, "cmdback"), Qt::LeftButton);
    }
    void fileExit() { main().MenuEntry(QStringLiteral("mnuExit"))->trigger(); }
    // The windows on screen, by design name.
    QStringList visibleWindows() const {
        QStringList names;
        for (const forms::Form* form : program->runtime.Forms())
            if (form->Visible())
                names << form->window()->objectName();
        return names;
    }
    QString label2() { return control<forms::FormLabel>(nag(), "Label2")->Caption(); }
};

// Names a table row in failure output instead of dumping its bytes.
template <class Case>
requires requires(const Case& c) { c.name; }
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

struct LeaveMainCase {
    const char* name;
    void (*leave)(frmMain&);
};

class LeavingTheMainWindow : public ExitHandoffTest,
                             public testing::WithParamInterface<LeaveMainCase> {};

TEST_P(LeavingTheMainWindow, ShowsTheExitScreenAndKeepsRunning) {
    start();
    GetParam().leave(main());
    EXPECT_EQ(visibleWindows(), QStringList{QStringLiteral("frmNagScreen2")});
    EXPECT_FALSE(main().IsLoaded());
    EXPECT_TRUE(program->startup.IsLoaded());
    EXPECT_TRUE(fake.ender.statuses.empty());
}

INSTANTIATE_TEST_SUITE_P(
    ExitHandoff, LeavingTheMainWindow,
    testing::Values(LeaveMainCase{"FileExit",
                                  [](frmMain& main) {
                                      main.MenuEntry(QStringLiteral("mnuExit"))->trigger();
                                  }},
                    LeaveMainCase{"CloseBox", [](frmMain& main) { main.window()->close(); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExitHandoffTest, ClosingTheResultWindowShowsTheExitScreenOverTheHiddenMainWindow) {
    startAndNext();
    program->result.window()->close();
    EXPECT_EQ(visibleWindows(), QStringList{QStringLiteral("frmNagScreen2")});
    EXPECT_FALSE(program->result.IsLoaded());
    EXPECT_TRUE(main().IsLoaded());
    EXPECT_TRUE(fake.ender.statuses.empty());

    QTest::mouseClick(control<QPushButton>(nag(), "cmdClose"), Qt::LeftButton);
    EXPECT_EQ(fake.ender.statuses, std::vector<int>{0});
    EXPECT_TRUE(program->runtime.Forms().empty());
}

TEST_F(ExitHandoffTest, BackLeavesOnlyTheMainWindowWithTheExitScreenReady) {
    // The first draw places the offer labels, the second picks the exit screen's appeal; a
    // reload of the screen would draw the third.
    fake.random.values = {0.0f, 0.6f, 0.9f};
    startAndNext();
    back();
    EXPECT_EQ(visibleWindows(), QStringList{QStringLiteral("frmMain")});
    ASSERT_TRUE(nag().IsLoaded());
    EXPECT_EQ(label2(), captions::NagLabel2(2));

    fileExit();
    EXPECT_EQ(visibleWindows(), QStringList{QStringLiteral("frmNagScreen2")});
    EXPECT_EQ(label2(), captions::NagLabel2(2));
    EXPECT_EQ(box(nag(), "txtName")->Text(), QStringLiteral("Your Name"));
}

TEST_F(ExitHandoffTest, WholeSessionEndsOnceWithStatusZero) {
    startAndNext();
    back();
    fileExit();
    ASSERT_TRUE(nag().Visible());
    EXPECT_TRUE(fake.ender.statuses.empty());
    QTest::mouseClick(control<QPushButton>(nag(), "cmdClose"), Qt::LeftButton);
    EXPECT_EQ(fake.ender.statuses, std::vector<int>{0});
    EXPECT_TRUE(program->runtime.Forms().empty());
    EXPECT_TRUE(visibleWindows().isEmpty());
}

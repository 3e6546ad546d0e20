// Leaving the working windows hands over to the exit promotion screen; only leaving that
// screen ends the process.
#include "long_texts.h"
#include "program_fixture.h"

#include <stdexcept>

namespace {

class ExitHandoffTest : public ProgramTest {
protected:
    frmNagScreen2& nag() { return program->nag; }
    QStringList visibleWindows() const {
        QStringList names;
        for (const forms::Form* form : program->runtime.Forms())
            if (form->Visible())
                names << form->window()->objectName();
        return names;
    }
    void expectOnlyTheExitScreen() {
        EXPECT_EQ(visibleWindows(), QStringList{QStringLiteral("frmNagScreen2")});
        EXPECT_TRUE(program->startup.IsLoaded());
        EXPECT_TRUE(fake.ender.statuses.empty());
    }
    // By its Exit button, or by its close box.
    void leaveTheExitScreen(bool closeBox = false) {
        closeBox ? void(nag().window()->close()) : click(nag(), "cmdClose");
        EXPECT_EQ(fake.ender.statuses, std::vector<int>{0});
        EXPECT_TRUE(program->runtime.Forms().empty());
    }
};

// Each way out of the main window, paired with a way out of the exit screen.
TEST_F(ExitHandoffTest, LeavingTheMainWindowShowsTheExitScreenWhichAloneEnds) {
    for (const bool closeBoxes : {false, true}) {
        SCOPED_TRACE(closeBoxes ? "close boxes" : "File > Exit, then the Exit button");
        program = std::make_unique<TestedProgram>(fake.platform);
        fake.ender.statuses.clear();
        start();
        if (closeBoxes)
            program->main.window()->close();
        else
            program->main.MenuEntry(QStringLiteral("mnuExit"))->trigger();
        expectOnlyTheExitScreen();
        EXPECT_FALSE(program->main.IsLoaded());
        EXPECT_EQ(nag().window()->windowTitle(), QStringLiteral("Lunavik v" LUNAVIK_VERSION_TEXT));
        EXPECT_EQ(label(nag(), "lblNagScreen2Caption"),
                  QStringLiteral("Lunavik v" LUNAVIK_VERSION_TEXT));
        EXPECT_TRUE(nag().window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        leaveTheExitScreen(closeBoxes);
    }
}

TEST_F(ExitHandoffTest, ClosingTheResultWindowShowsTheExitScreenOverTheHiddenMainWindow) {
    startAndNext();
    program->result.window()->close();
    expectOnlyTheExitScreen();
    EXPECT_FALSE(program->result.IsLoaded());
    EXPECT_TRUE(program->main.IsLoaded());
    leaveTheExitScreen();
}

TEST_F(ExitHandoffTest, BackThenExitReachesTheReadyExitScreenAndItsExitEndsOnce) {
    // The first draw places the offer labels, the second picks the exit screen's appeal; a
    // reload of the screen would draw the third.
    fake.random.values = {0.0f, 0.6f, 0.9f};
    startAndNext();
    click(program->result, "cmdback");
    EXPECT_EQ(visibleWindows(), QStringList{QStringLiteral("frmMain")});
    ASSERT_TRUE(nag().IsLoaded());
    EXPECT_EQ(label(nag(), "Label2"), long_texts::kBoardAppeals[2]);

    program->main.MenuEntry(QStringLiteral("mnuExit"))->trigger();
    expectOnlyTheExitScreen();
    EXPECT_EQ(label(nag(), "Label2"), long_texts::kBoardAppeals[2]);
    EXPECT_EQ(box(nag(), "txtName")->Text(), QStringLiteral("Your Name"));
    leaveTheExitScreen();
    EXPECT_TRUE(visibleWindows().isEmpty());
}

// Back carries on past a failing step: here the exit screen's load fails halfway.
TEST_F(ExitHandoffTest, BackCarriesOnPastAFailingStep) {
    startAndNext();
    fake.random.onRandomize = [] { throw std::runtime_error("no system timer"); };
    click(program->result, "cmdback");
    EXPECT_EQ(visibleWindows(), QStringList{QStringLiteral("frmMain")});
    EXPECT_FALSE(program->result.IsLoaded());
    EXPECT_EQ(box(program->main, "txtFirstName")->Text(), QStringLiteral("JOHN"));
}

} // namespace

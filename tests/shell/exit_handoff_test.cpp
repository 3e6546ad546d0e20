// Leaving the working windows hands over to the exit promotion screen; only leaving that
// screen ends the process.
#include "long_texts.h"
#include "program_fixture.h"

#include <stdexcept>

namespace {

class ExitHandoffTest : public ProgramTest {
protected:
    QStringList visibleWindows() const {
        QStringList names;
        for (const forms::Form* form : m_program->m_runtime.Forms())
            if (form->IsVisible())
                names << form->Window()->objectName();
        return names;
    }
    void expectOnlyTheExitScreen() {
        EXPECT_EQ(visibleWindows(), QStringList{QStringLiteral("frmNagScreen2")});
        EXPECT_TRUE(m_program->m_startup.IsLoaded());
        EXPECT_TRUE(m_fake.ender.m_statuses.empty());
    }
    // By its Exit button, or by its close box.
    void leaveTheExitScreen(bool closeBox = false) {
        closeBox ? void(nag().Window()->close()) : click(nag(), "cmdClose");
        EXPECT_EQ(m_fake.ender.m_statuses, std::vector<int>{0});
        EXPECT_TRUE(m_program->m_runtime.Forms().empty());
    }
};

// Each way out of the main window, paired with a way out of the exit screen.
TEST_F(ExitHandoffTest, LeavingTheMainWindowShowsTheExitScreenWhichAloneEnds) {
    for (const bool closeBoxes : {false, true}) {
        SCOPED_TRACE(closeBoxes ? "close boxes" : "File > Exit, then the Exit button");
        m_program = std::make_unique<TestedProgram>(m_fake.platform);
        m_fake.ender.m_statuses.clear();
        start();
        if (closeBoxes)
            main().Window()->close();
        else
            main().MenuEntry(QStringLiteral("mnuExit"))->trigger();
        expectOnlyTheExitScreen();
        EXPECT_FALSE(main().IsLoaded());
        EXPECT_EQ(nag().Window()->windowTitle(), QStringLiteral("Lunavik v" LUNAVIK_VERSION_TEXT));
        EXPECT_EQ(label(nag(), "lblNagScreen2Caption"),
                  QStringLiteral("Lunavik v" LUNAVIK_VERSION_TEXT));
        EXPECT_TRUE(nag().Window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        leaveTheExitScreen(closeBoxes);
    }
}

TEST_F(ExitHandoffTest, ClosingTheResultWindowShowsTheExitScreenOverTheHiddenMainWindow) {
    startAndNext();
    result().Window()->close();
    expectOnlyTheExitScreen();
    EXPECT_FALSE(result().IsLoaded());
    EXPECT_TRUE(main().IsLoaded());
    leaveTheExitScreen();
}

TEST_F(ExitHandoffTest, BackThenExitReachesTheReadyExitScreenAndItsExitEndsOnce) {
    // The first draw places the offer labels, the second picks the exit screen's appeal; a
    // reload of the screen would draw the third.
    m_fake.random.m_values = {0.0f, 0.6f, 0.9f};
    startAndNext();
    click(result(), "cmdback");
    EXPECT_EQ(visibleWindows(), QStringList{QStringLiteral("frmMain")});
    ASSERT_TRUE(nag().IsLoaded());
    EXPECT_EQ(label(nag(), "Label2"), long_texts::kBoardAppeals[2]);

    main().MenuEntry(QStringLiteral("mnuExit"))->trigger();
    expectOnlyTheExitScreen();
    EXPECT_EQ(label(nag(), "Label2"), long_texts::kBoardAppeals[2]);
    EXPECT_EQ(box(nag(), "txtName")->Text(), QStringLiteral("Your Name"));
    leaveTheExitScreen();
    EXPECT_TRUE(visibleWindows().isEmpty());
}

// Back carries on past a failing step: here the exit screen's load fails halfway.
TEST_F(ExitHandoffTest, BackCarriesOnPastAFailingStep) {
    startAndNext();
    m_fake.random.m_onRandomize = [] { throw std::runtime_error("no system timer"); };
    click(result(), "cmdback");
    EXPECT_EQ(visibleWindows(), QStringList{QStringLiteral("frmMain")});
    EXPECT_FALSE(result().IsLoaded());
    EXPECT_EQ(box(main(), "txtFirstName")->Text(), QStringLiteral("JOHN"));
}

} // namespace

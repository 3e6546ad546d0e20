// The exit promotion screen: hint texts, the e-mail space filter, the appeal drawn at load and
// leaving the application.
#include "program_fixture.h"
#include "ui/captions.h"

#include <QAction>
#include <array>
#include <ostream>

namespace {

QString focusedControl(const forms::Form& form) {
    for (QWidget* w = form.window()->focusWidget(); w; w = w->parentWidget())
        if (!w->objectName().isEmpty() && form.Control(w->objectName()) == w)
            return w->objectName();
    return {};
}

} // namespace

class ExitScreenTest : public ProgramTest {
protected:
    frmNagScreen2& nag() { return program->nag; }
    forms::FormTextBox* field(const char* name) { return box(nag(), name); }
    // Focus events reach the boxes only in the active window; the screen shows without
    // taking activation, so the test hands it over.
    void showActive() {
        nag().Show();
        nag().window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(nag().window()));
    }
    void clickButton(const char* name) {
        QTest::mouseClick(control<QPushButton>(nag(), name), Qt::LeftButton);
    }
    // Leaves the main window the way a user does, which brings up the screen.
    void leaveMainWindow() {
        start();
        program->main.MenuEntry(QStringLiteral("mnuExit"))->trigger();
        ASSERT_TRUE(nag().Visible());
    }
};

// Names a table row in failure output instead of dumping its bytes.
template <class Case>
requires requires(const Case& c) { c.name; }
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

struct HintCase {
    const char* name;
    const char* box;
    QString before;
    QString focused; // while the box holds the focus
    QString left;    // after the focus moved on
};

class Hint : public ExitScreenTest, public testing::WithParamInterface<HintCase> {};

TEST_P(Hint, ClearsOnFocusAndReturnsWhenLeftEmpty) {
    const HintCase& c = GetParam();
    showActive();
    field(c.box)->SetText(c.before);
    field(c.box)->setFocus();
    EXPECT_EQ(focusedControl(nag()), QLatin1String(c.box));
    EXPECT_EQ(field(c.box)->Text(), c.focused);
    control<QPushButton>(nag(), "cmdClose")->setFocus();
    EXPECT_EQ(field(c.box)->Text(), c.left);
}

INSTANTIATE_TEST_SUITE_P(
    ExitScreen, Hint,
    testing::Values(HintCase{"Name", "txtName", "Your Name", "", "Your Name"},
                    HintCase{"Email", "txtEmail", "Your Email Address", "", "Your Email Address"},
                    HintCase{"FriendName", "txtFriendName", "Friend's Name", "", "Friend's Name"},
                    HintCase{"FriendEmail", "txtFriendEmail", "Friend's Email Address", "",
                             "Friend's Email Address"},
                    HintCase{"HintAmidSpaces", "txtName", "  Your Name ", "", "Your Name"},
                    HintCase{"SpacesOnly", "txtFriendName", "   ", "   ", "Friend's Name"},
                    HintCase{"HintInOtherCase", "txtName", "your name", "your name", "your name"},
                    HintCase{"TypedAddress", "txtEmail", "ann@example.org", "ann@example.org",
                             "ann@example.org"},
                    HintCase{"MessageWithLineBreak", "txtMessage", "Your Message\r\n",
                             "Your Message\r\n", "Your Message\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExitScreenTest, UnseenMessageBoxEmptiedByTabbingGetsItsHintAndFailsRefer) {
    showActive();
    EXPECT_EQ(field("txtMessage")->Text(), QStringLiteral("Your Message\r\n"));
    field("txtName")->SetText(QStringLiteral("Ann"));
    field("txtEmail")->SetText(QStringLiteral("ann@example.org"));
    field("txtFriendEmail")->SetText(QStringLiteral("bob@example.net"));
    field("txtFriendName")->SetText(QStringLiteral("Bob"));
    field("txtFriendName")->setFocus();

    QTest::keyClick(field("txtFriendName")->editor(), Qt::Key_Tab);
    ASSERT_EQ(focusedControl(nag()), QStringLiteral("txtMessage"));
    QWidget* message = field("txtMessage")->editor();
    QTest::keyClick(message, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(message, Qt::Key_Backspace);
    EXPECT_TRUE(field("txtMessage")->Text().isEmpty());
    QTest::keyClick(message, Qt::Key_Tab);
    EXPECT_NE(focusedControl(nag()), QStringLiteral("txtMessage"));
    EXPECT_EQ(field("txtMessage")->Text(), QStringLiteral("Your Message"));

    clickButton("cmdSubmit");
    EXPECT_EQ(fake.messageBox.texts(), QStringList{QStringLiteral("Please Enter Your Message")});
    EXPECT_TRUE(fake.urls.opened.isEmpty());
}

struct SpaceCase {
    const char* name;
    const char* box;
    bool refused;
};

class SpaceFilter : public ExitScreenTest, public testing::WithParamInterface<SpaceCase> {};

TEST_P(SpaceFilter, RefusesSpacesOnlyInAddresses) {
    const SpaceCase& c = GetParam();
    showActive();
    field(c.box)->setFocus();
    QTest::keyClicks(field(c.box)->editor(), QStringLiteral("ann lee"));
    EXPECT_EQ(focusedControl(nag()), QLatin1String(c.box));
    if (!c.refused) {
        EXPECT_EQ(field(c.box)->Text(), QStringLiteral("ann lee"));
        EXPECT_TRUE(fake.messageBox.shown.empty());
        return;
    }
    EXPECT_EQ(field(c.box)->Text(), QStringLiteral("annlee"));
    ASSERT_EQ(fake.messageBox.shown.size(), 1u);
    const fakes::ShownMessage& shown = fake.messageBox.shown.front();
    EXPECT_EQ(shown.text, QStringLiteral("Email Address Cannot Contain Space"));
    EXPECT_EQ(shown.icon, platform::MsgIcon::Critical);
    EXPECT_EQ(shown.buttons, platform::MsgButtons::Ok);
    EXPECT_EQ(shown.title, QStringLiteral("Lunavik"));
}

INSTANTIATE_TEST_SUITE_P(ExitScreen, SpaceFilter,
                         testing::Values(SpaceCase{"Email", "txtEmail", true},
                                         SpaceCase{"FriendEmail", "txtFriendEmail", true},
                                         SpaceCase{"Name", "txtName", false},
                                         SpaceCase{"FriendName", "txtFriendName", false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct DrawCase {
    const char* name;
    float r;
    int text;
};

class Label2Draw : public ExitScreenTest, public testing::WithParamInterface<DrawCase> {};

TEST_P(Label2Draw, ShowsTheAppealOfTheDraw) {
    fake.random.values = {GetParam().r};
    nag().Show();
    EXPECT_EQ(control<forms::FormLabel>(nag(), "Label2")->Caption(),
              captions::NagLabel2(GetParam().text));
    EXPECT_EQ(fake.random.randomizes, 1);
}

INSTANTIATE_TEST_SUITE_P(ExitScreen, Label2Draw,
                         testing::Values(DrawCase{"Zero", 0.0f, 0},
                                         DrawCase{"JustBelowAQuarter", 0.2499f, 0},
                                         DrawCase{"AQuarter", 0.25f, 1}, DrawCase{"AHalf", 0.5f, 2},
                                         DrawCase{"ThreeQuarters", 0.75f, 3},
                                         DrawCase{"AlmostOne", 0.9999f, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExitScreenTest, EveryAppealComesUpAboutEquallyOften) {
    constexpr int kLoads = 400;
    std::array<int, 4> seen{};
    for (int i = 0; i < kLoads; ++i) {
        fake.random.values = {(i + 0.5f) / kLoads};
        nag().Load();
        const QString text = control<forms::FormLabel>(nag(), "Label2")->Caption();
        for (int k = 0; k < 4; ++k)
            seen[k] += text == captions::NagLabel2(k);
        nag().Unload();
    }
    for (int k = 0; k < 4; ++k)
        EXPECT_NEAR(seen[k], kLoads / 4, kLoads / 40) << "text " << k;
}

TEST_F(ExitScreenTest, LoadSetsTheCaptionsAndStaysOnTop) {
    leaveMainWindow();
    EXPECT_EQ(nag().window()->windowTitle(), QStringLiteral("Lunavik v1.70"));
    EXPECT_EQ(control<forms::FormLabel>(nag(), "lblNagScreen2Caption")->Caption(),
              QStringLiteral("Lunavik v1.70"));
    EXPECT_TRUE(nag().window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

struct LeaveCase {
    const char* name;
    bool closeBox; // otherwise the Exit button
};

class LeavingTheScreen : public ExitScreenTest, public testing::WithParamInterface<LeaveCase> {};

TEST_P(LeavingTheScreen, UnloadsEveryWindowAndEndsOnce) {
    leaveMainWindow();
    if (GetParam().closeBox)
        nag().window()->close();
    else
        clickButton("cmdClose");
    EXPECT_EQ(fake.ender.statuses, std::vector<int>{0});
    EXPECT_TRUE(program->runtime.Forms().empty());
    EXPECT_FALSE(program->startup.IsLoaded());
    EXPECT_FALSE(program->main.IsLoaded());
    EXPECT_FALSE(nag().IsLoaded());
}

INSTANTIATE_TEST_SUITE_P(ExitScreen, LeavingTheScreen,
                         testing::Values(LeaveCase{"ExitButton", false},
                                         LeaveCase{"CloseBox", true}),
                         [](const auto& info) { return std::string(info.param.name); });

// The exit promotion screen: hint texts, the e-mail space filter and the appeal drawn at load.
#include "long_texts.h"
#include "program_fixture.h"

#include <array>

namespace {

class ExitScreenTest : public ProgramTest {
protected:
    forms::FormTextBox* field(const char* name) { return box(nag(), name); }
    // The screen shows without taking activation, so focus events need it handed over.
    void showActive() {
        nag().Show();
        activate(nag().Window());
    }
};

TEST_F(ExitScreenTest, HintClearsOnFocusAndReturnsWhenLeftEmpty) {
    const struct {
        const char* box;
        const char *before, *focused, *left; // the text when focused, and after the focus left
    } cases[] = {{"txtName", "Your Name", "", "Your Name"},
                 {"txtEmail", "Your Email Address", "", "Your Email Address"},
                 {"txtFriendName", "Friend's Name", "", "Friend's Name"},
                 {"txtFriendEmail", "Friend's Email Address", "", "Friend's Email Address"},
                 {"txtName", "  Your Name ", "", "Your Name"},
                 {"txtFriendName", "   ", "   ", "Friend's Name"},
                 {"txtName", "your name", "your name", "your name"},
                 {"txtEmail", "ann@example.org", "ann@example.org", "ann@example.org"},
                 {"txtMessage", "Your Message\r\n", "Your Message\r\n", "Your Message\r\n"}};
    showActive();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.box << " holding '" << c.before << "'");
        field(c.box)->SetText(QLatin1String(c.before));
        field(c.box)->setFocus();
        EXPECT_EQ(focusedControl(nag()), QLatin1String(c.box));
        EXPECT_EQ(field(c.box)->Text(), QLatin1String(c.focused));
        control<QWidget>(nag(), "cmdClose")->setFocus();
        EXPECT_EQ(field(c.box)->Text(), QLatin1String(c.left));
    }
}

TEST_F(ExitScreenTest, UnseenMessageBoxEmptiedByTabbingGetsItsHintAndFailsRefer) {
    showActive();
    field("txtName")->SetText(QStringLiteral("Ann"));
    field("txtEmail")->SetText(QStringLiteral("ann@example.org"));
    field("txtFriendEmail")->SetText(QStringLiteral("bob@example.net"));
    field("txtFriendName")->SetText(QStringLiteral("Bob"));
    field("txtFriendName")->setFocus();

    QTest::keyClick(field("txtFriendName")->focusProxy(), Qt::Key_Tab);
    ASSERT_EQ(focusedControl(nag()), QStringLiteral("txtMessage"));
    QWidget* message = field("txtMessage")->focusProxy();
    QTest::keyClick(message, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(message, Qt::Key_Backspace);
    EXPECT_TRUE(field("txtMessage")->Text().isEmpty());
    QTest::keyClick(message, Qt::Key_Tab);
    EXPECT_NE(focusedControl(nag()), QStringLiteral("txtMessage"));
    EXPECT_EQ(field("txtMessage")->Text(), QStringLiteral("Your Message"));

    click(nag(), "cmdSubmit");
    expectMessage(QStringLiteral("Please Enter Your Message"), platform::MsgIcon::Critical);
    EXPECT_TRUE(m_fake.urls.m_opened.isEmpty());
}

TEST_F(ExitScreenTest, AddressBoxesRefuseTypedSpaces) {
    showActive();
    for (const char* name : {"txtName", "txtFriendName", "txtEmail", "txtFriendEmail"}) {
        SCOPED_TRACE(name);
        const bool address = QByteArray(name).endsWith("Email");
        field(name)->setFocus();
        // Alt with a letter that is no access key types nothing, a box with no key filter too.
        QTest::keyClicks(field(name)->focusProxy(), QStringLiteral("mary"), Qt::AltModifier);
        QTest::keyClicks(field(name)->focusProxy(), QStringLiteral("ann lee"));
        EXPECT_EQ(focusedControl(nag()), QLatin1String(name));
        EXPECT_EQ(field(name)->Text(), QLatin1String(address ? "annlee" : "ann lee"));
        if (address) {
            expectMessage(QStringLiteral("Email Address Cannot Contain Space"),
                          platform::MsgIcon::Critical);
        }
    }
    expectNoMessage();
}

TEST_F(ExitScreenTest, EachLoadDrawsOneOfFourAppealsAboutEquallyOften) {
    auto appealOfDraw = [this](float r) {
        m_fake.random.m_values = {r};
        nag().Load();
        const QString text = label(nag(), "Label2");
        nag().Unload();
        for (int k = 0; k < 4; ++k)
            if (text == long_texts::kBoardAppeals[k])
                return k;
        return -1;
    };
    const std::pair<float, int> boundaries[] = {{0.0f, 0}, {0.2499f, 0}, {0.25f, 1},
                                                {0.5f, 2}, {0.75f, 3},   {0.9999f, 3}};
    for (const auto& [r, appeal] : boundaries)
        EXPECT_EQ(appealOfDraw(r), appeal) << r;
    EXPECT_EQ(m_fake.random.m_randomizes, 6);
    std::array<int, 4> seen{};
    for (int i = 0; i < 400; ++i)
        if (const int k = appealOfDraw((i + 0.5f) / 400); k >= 0)
            ++seen[k];
    for (int k = 0; k < 4; ++k)
        EXPECT_NEAR(seen[k], 100, 10) << "appeal " << k;
}

} // namespace

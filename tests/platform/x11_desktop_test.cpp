// The program on a real X server (CTest starts a virtual one for it, with a window manager that
// frames the windows): the selection clipboard that middle-click pastes, and where windows
// open, which the offscreen platform cannot show.
#include "program_fixture.h"

#include <QClipboard>
#include <QPlainTextEdit>
#include <QScreen>

namespace {

// The fixture's clipboard service is the real one, here on the X server.
class X11Test : public ProgramTest {
protected:
    static QClipboard* system() { return QGuiApplication::clipboard(); }
    // The whole window, frame included, sits in the middle of the screen's free area.
    static void expectCentred(forms::Form& form) {
        QWidget* w = form.Window();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
        QApplication::processEvents();
        const QPoint offset =
            w->frameGeometry().center() - w->screen()->availableGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 2)
            << w->objectName().toStdString() << " at " << w->frameGeometry().x() << ","
            << w->frameGeometry().y();
    }
};

TEST_F(X11Test, SelectingTheResultCopiesItOnlyUntilTheMouseActsOnIt) {
    ASSERT_TRUE(system()->supportsSelection());
    m_fake.clipboard.Clear();
    system()->setText(QStringLiteral("copied"), QClipboard::Clipboard);
    system()->setText(QStringLiteral("selected"), QClipboard::Selection);
    m_fake.clipboard.Clear();
    EXPECT_EQ(system()->text(QClipboard::Clipboard), QString());
    EXPECT_EQ(system()->text(QClipboard::Selection), QString());

    startAndNext();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(result().Window()));
    QPlainTextEdit* text = display();
    QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
    ASSERT_TRUE(system()->text(QClipboard::Selection).startsWith(QStringLiteral("Your Inner")));
    // The pointer is moved on the X server, whose motion event arrives when it arrives.
    QTest::mouseMove(text->viewport(), QPoint(10, 10));
    QTest::mouseMove(text->viewport(), QPoint(30, 20));
    EXPECT_TRUE(QTest::qWaitFor([] { return system()->text(QClipboard::Selection).isEmpty(); }));

    // A selection made with the mouse is gone from both as the button comes up.
    QTest::keyClick(text, Qt::Key_Home, Qt::ControlModifier);
    QTest::mousePress(text->viewport(), Qt::LeftButton, {}, QPoint(5, 8));
    QTest::mouseMove(text->viewport(), QPoint(120, 8));
    QTest::mouseRelease(text->viewport(), Qt::LeftButton, {}, QPoint(120, 8));
    ASSERT_TRUE(text->textCursor().hasSelection());
    EXPECT_EQ(system()->text(QClipboard::Selection), QString());
    EXPECT_EQ(system()->text(QClipboard::Clipboard), QString());
}

// Loaded, unloaded and loaded again: each first showing after a load is centred.
TEST_F(X11Test, WindowsOpenCentredAfterEveryLoad) {
    startWithJohnSmith();
    expectCentred(main());
    click(main(), "cmdNext");
    expectCentred(result());
    click(result(), "cmdback");
    ASSERT_FALSE(result().IsLoaded());
    settle();
    click(main(), "cmdNext");
    expectCentred(result());
}

} // namespace

// The result window: how it opens, what Back keeps, a text to copy but not to edit.
#include "program_fixture.h"

#include <QClipboard>
#include <QScrollBar>

using ResultWindowTest = ProgramTest;

TEST_F(ResultWindowTest, AltNShowsTheWholeResultFromItsFirstLineAndEmptiesTheClipboard) {
    startWithJohnSmith();
    QGuiApplication::clipboard()->setText(QStringLiteral("copied before"));
    activate(main().Window());
    // Alt with a letter that is no access key types nothing into a name box.
    QTest::keyClicks(box(main(), "txtLastName")->focusProxy(), QStringLiteral("mary"),
                     Qt::AltModifier);
    EXPECT_EQ(box(main(), "txtLastName")->Text(), QStringLiteral("SMITH"));
    QTest::keyClick(box(main(), "txtLastName")->focusProxy(), Qt::Key_N, Qt::AltModifier);
    // The button's mnemonic animates a click, which lands a moment later.
    ASSERT_TRUE(QTest::qWaitFor([&] { return result().IsVisible(); }, 2000));
    EXPECT_FALSE(main().IsVisible());
    EXPECT_EQ(firstLine(), QStringLiteral("Your Inner Dreams Number is: 2"));
    EXPECT_EQ(display()->textCursor().position(), 0);
    EXPECT_EQ(display()->verticalScrollBar()->value(), 0);
    EXPECT_GT(display()->verticalScrollBar()->maximum(), 0) << "the rest is reached by scrolling";
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

TEST_F(ResultWindowTest, BackBringsTheEntriesBackAndNextShowsTheResultOnceMasterNumbersWhole) {
    startWithJohnSmith();
    type(main(), "txtMiddleName", QStringLiteral("lee"));
    pickDate(15, "March", 1985);
    click(main(), "cmdNext");
    const QString shown = shownResult();
    click(result(), "cmdback");
    EXPECT_TRUE(main().IsVisible());
    EXPECT_FALSE(result().IsLoaded());
    QStringList entries;
    for (const char* name : {"txtFirstName", "txtMiddleName", "txtLastName"})
        entries << box(main(), name)->Text();
    for (const char* name : {"cboDate", "cboMonth", "cboYear"})
        entries << list(name)->currentText();
    EXPECT_EQ(entries, Texts({"JOHN", "LEE", "SMITH", "15", "March", "1985"}));
    settle();
    click(main(), "cmdNext");
    ASSERT_TRUE(result().IsVisible());
    EXPECT_EQ(shownResult(), shown);
    EXPECT_EQ(firstLine(), QStringLiteral("Your Inner Dreams Number is: 5")); // 29 + L 3 = 32
    // The master numbers stay whole, each with its own paragraph.
    const struct {
        const char *first, *last, *line, *opening;
    } rows[] = {{"EVE", "GAO", "Your Inner Dreams Number is: 11", // V 4 + G 7
                 "You have the dream of casting the light of illumination;"},
                {"MARY", "KAI", "Your Inner Dreams Number is: 22", // M 4 + R 9 + Y 7 + K 2
                 "You have big dreams of being the pioneer behind something"}};
    for (const auto& row : rows) {
        click(result(), "cmdback");
        settle();
        box(main(), "txtFirstName")->SetText(QLatin1String(row.first));
        box(main(), "txtMiddleName")->SetText(QString());
        box(main(), "txtLastName")->SetText(QLatin1String(row.last));
        click(main(), "cmdNext");
        EXPECT_EQ(firstLine(), QLatin1String(row.line));
        EXPECT_TRUE(shownResult().contains(QStringLiteral("\r\n\r\n") + QLatin1String(row.opening)))
            << qPrintable(shownResult());
    }
}

TEST_F(ResultWindowTest, ResultCannotBeEditedAndACopyLastsOnlyUntilTheMouseMovesOverIt) {
    startAndNext();
    const QString shown = shownResult();
    QPlainTextEdit* editor = display();
    QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClicks(editor, QStringLiteral("abc 123"));
    for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return, Qt::Key_Tab})
        QTest::keyClick(editor, key);
    EXPECT_EQ(shownResult(), shown);

    QTest::keyClick(editor, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClick(editor, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("Your Inner Dreams Number is: 2"));
    // The first move only carries the pointer into the window.
    QTest::mouseMove(editor->viewport(), QPoint(10, 10));
    QTest::mouseMove(editor->viewport(), QPoint(30, 20));
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());

    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_C, Qt::ControlModifier);
    EXPECT_FALSE(QGuiApplication::clipboard()->text().isEmpty());
    QTest::mouseClick(editor->viewport(), Qt::LeftButton, {}, QPoint(30, 20));
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

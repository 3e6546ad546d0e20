// The main window, the result window and the about box, driven through their widgets.
#include "app/translations.h"
#include "engine/interpretation.h"
#include "program_fixture.h"
#include "shell/setting_encoding.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>
#include <functional>

namespace {

// What the result window shows for a number: the engine's pieces, in order, each once.
QString resultText(int number) {
    const engine::ResultPieces p = engine::ResultTextPieces(
        number, [](const char* english) { return QString::fromLatin1(english).toStdU16String(); });
    return QString::fromStdU16String(p.header + p.intro + p.interpretation + p.ending);
}

class MainWindowTest : public ProgramTest {
protected:
    frmMain& main() { return program->main; }
    frmInnerDrmOrPerNo& result() { return program->result; }
    QComboBox* list(const char* name) { return control<QComboBox>(main(), name); }
    void pickDate(int day, const char* month, int year) {
        pick(list("cboDate"), QString::number(day));
        pick(list("cboMonth"), QLatin1String(month));
        pick(list("cboYear"), QString::number(year));
    }
    static QStringList items(QComboBox* list) {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->itemText(i);
        return texts;
    }
    QString shownResult() { return result().Display()->Text(); }
    QPlainTextEdit* display() {
        return qobject_cast<QPlainTextEdit*>(result().Display()->editor());
    }
};

// a and z are the ends of the range; the characters just outside it stay as typed.
TEST_F(MainWindowTest, TypedLowerCaseLettersShowAsCapitals) {
    start();
    for (const char* name : {"txtFirstName", "txtMiddleName", "txtLastName"}) {
        type(main(), name, QStringLiteral("zoe o'neil-2 `az{ Ab"));
        EXPECT_EQ(box(main(), name)->Text(), QStringLiteral("ZOE O'NEIL-2 `AZ{ AB")) << name;
    }
}

TEST_F(MainWindowTest, DateListsHoldEveryDayMonthAndYearAndOpenOnTheFirst) {
    start();
    QStringList days, years;
    for (int day = 1; day <= 31; ++day)
        days << QString::number(day);
    for (int year = 1900; year <= 2050; ++year)
        years << QString::number(year);
    EXPECT_EQ(items(list("cboDate")), days);
    EXPECT_EQ(items(list("cboMonth")),
              texts({"January", "February", "March", "April", "May", "June", "July", "August",
                     "September", "October", "November", "December"}));
    EXPECT_EQ(items(list("cboYear")), years);
    EXPECT_EQ(years.size(), 151);
    for (const char* name : {"cboDate", "cboMonth", "cboYear"})
        EXPECT_FALSE(list(name)->isEditable()) << name;
    EXPECT_EQ(list("cboDate")->currentText(), QStringLiteral("1"));
    EXPECT_EQ(list("cboMonth")->currentText(), QStringLiteral("January"));
    EXPECT_EQ(list("cboYear")->currentText(), QStringLiteral("1900"));
}

TEST_F(MainWindowTest, PastedNameKeepsItsCaseAndCountsNothing) {
    start();
    QGuiApplication::clipboard()->setText(QStringLiteral("john"));
    QTest::keyClick(box(main(), "txtFirstName")->editor(), Qt::Key_V, Qt::ControlModifier);
    type(main(), "txtLastName", QStringLiteral("aeiou"));
    EXPECT_EQ(box(main(), "txtFirstName")->Text(), QStringLiteral("john"));
    click(main(), "cmdNext");
    ASSERT_TRUE(result().Visible());
    EXPECT_EQ(shownResult(), resultText(0));
}

// A pasted name keeps its first 32,767 characters: their 32,767 reduces to 7.
TEST_F(MainWindowTest, HugePastedNameIsCutAtTheBoxLimit) {
    start();
    QGuiApplication::clipboard()->setText(QString(1000000, QLatin1Char('S')));
    QTest::keyClick(box(main(), "txtFirstName")->editor(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box(main(), "txtFirstName")->Text().size(), 32767);
    type(main(), "txtLastName", QStringLiteral("a"));
    click(main(), "cmdNext");
    ASSERT_TRUE(result().Visible());
    EXPECT_EQ(shownResult(), resultText(7));
}

// Next from the menu, so the focus stays where it was unless validation moves it. Each step
// fills in one more value, so every failure also carries the failures of the checks after it.
TEST_F(MainWindowTest, ValidationReportsTheFirstFailureAndAcceptsOnlyRealDates) {
    const char* const february = "Please Enter Correct Date Or Month!";
    const char* const thirtyDays = "Please Enter Correct Date Or Month !";
    auto next = [this] {
        box(main(), "txtMiddleName")->setFocus();
        main().MenuEntry(QStringLiteral("mnuNext"))->trigger();
    };
    auto expectRefused = [this](const char* message, const char* focus) {
        expectMessage(QLatin1String(message), platform::MsgIcon::Information);
        expectNoMessage();
        EXPECT_EQ(focusedControl(main()), QLatin1String(focus));
        EXPECT_TRUE(main().Visible());
        EXPECT_FALSE(result().IsLoaded());
    };
    start();
    for (const char* name : {"cboDate", "cboMonth", "cboYear"})
        list(name)->setCurrentIndex(-1);
    next();
    expectRefused("Please Enter Your First Name", "txtFirstName");
    type(main(), "txtFirstName", QStringLiteral("   ")); // spaces only will pass
    next();
    expectRefused("Please Enter Your Last Name", "txtLastName");
    type(main(), "txtLastName", QStringLiteral("smith"));
    next();
    expectRefused("Please Specify Your Birth Date", "cboDate");
    pick(list("cboDate"), QStringLiteral("31"));
    next();
    expectRefused("Please Specify Your Birth Month", "cboMonth");
    pick(list("cboMonth"), QStringLiteral("April"));
    next();
    expectRefused("Please Specify Your Birth Year", "cboYear");
    const struct {
        int day;
        const char* month;
        int year;
        const char* message; // null when Next goes through
    } dates[] = {{31, "April", 2001, thirtyDays},     {29, "February", 1900, february},
                 {29, "February", 1901, february},    {29, "February", 2000, nullptr},
                 {29, "February", 2004, nullptr},     {28, "February", 1900, nullptr},
                 {30, "February", 2000, february},    {31, "June", 1985, thirtyDays},
                 {31, "September", 1985, thirtyDays}, {31, "November", 1985, thirtyDays},
                 {31, "March", 1985, nullptr},        {30, "April", 2050, nullptr}};
    for (const auto& c : dates) {
        SCOPED_TRACE(testing::Message() << c.day << ' ' << c.month << ' ' << c.year);
        pickDate(c.day, c.month, c.year);
        next();
        if (c.message) {
            expectRefused(c.message, "txtMiddleName");
            continue;
        }
        expectNoMessage();
        ASSERT_TRUE(result().Visible());
        EXPECT_FALSE(main().Visible());
        click(result(), "cmdback");
    }
}

TEST_F(MainWindowTest, AltNShowsTheWholeResultFromItsFirstLineAndEmptiesTheClipboard) {
    startWithJohnSmith();
    QGuiApplication::clipboard()->setText(QStringLiteral("copied before"));
    activate(main().window());
    QTest::keyClick(main().window(), Qt::Key_N, Qt::AltModifier);
    // The button's mnemonic animates a click, which lands a moment later.
    ASSERT_TRUE(QTest::qWaitFor([&] { return result().Visible(); }, 2000));
    EXPECT_FALSE(main().Visible());
    EXPECT_EQ(shownResult(), resultText(2));
    EXPECT_EQ(result().Display()->SelStart(), 0);
    EXPECT_EQ(display()->verticalScrollBar()->value(), 0);
    EXPECT_GT(display()->verticalScrollBar()->maximum(), 0) << "the rest is reached by scrolling";
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

TEST_F(MainWindowTest, BackBringsTheEntriesBackAndNextAgainShowsTheResultOnce) {
    startWithJohnSmith();
    type(main(), "txtMiddleName", QStringLiteral("lee"));
    pickDate(15, "March", 1985);
    click(main(), "cmdNext");
    click(result(), "cmdback");
    EXPECT_TRUE(main().Visible());
    EXPECT_FALSE(result().IsLoaded());
    QStringList entries;
    for (const char* name : {"txtFirstName", "txtMiddleName", "txtLastName"})
        entries << box(main(), name)->Text();
    for (const char* name : {"cboDate", "cboMonth", "cboYear"})
        entries << list(name)->currentText();
    EXPECT_EQ(entries, texts({"JOHN", "LEE", "SMITH", "15", "March", "1985"}));
    settle();
    click(main(), "cmdNext");
    ASSERT_TRUE(result().Visible());
    EXPECT_EQ(shownResult(), resultText(5)); // 29 + L 3 = 32
}

TEST_F(MainWindowTest, ResultCannotBeEditedAndACopyLastsOnlyUntilTheMouseMovesOverIt) {
    startAndNext();
    QPlainTextEdit* editor = display();
    QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClicks(editor, QStringLiteral("abc 123"));
    for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return, Qt::Key_Tab})
        QTest::keyClick(editor, key);
    EXPECT_EQ(shownResult(), resultText(2));

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

// The real message box service: the reminder asks with the information icon and Yes as the
// default, validation informs, the exit screen's checks show the critical-error icon.
TEST_F(MainWindowTest, MessageBoxesAreDrawnWithTheirIconButtonsAndTitle) {
    using settings_encoding::EncodeSetting;
    fake.settings
        .values[QStringLiteral("lunavik/Settings/") + EncodeSetting(QStringLiteral("Duration"))] =
        EncodeSetting(QStringLiteral("2026-10-01T09:30:00"));
    useRealMessageBoxes();
    MessageBoxReader reader; // presses Enter in each box
    start();
    click(main(), "cmdNext");
    program->nag.Show();
    click(program->nag, "cmdSubmit");
    ASSERT_EQ(reader.seen.size(), 3u);
    const struct {
        const char* text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton; // NoButton: Enter presses the only one
    } expected[] = {
        {"There maybe an update to this software available\nDo you want to check for an update?",
         QMessageBox::Information, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes},
        {"Please Enter Your First Name", QMessageBox::Information, QMessageBox::Ok,
         QMessageBox::NoButton},
        {"Please Enter Proper Email Address", QMessageBox::Critical, QMessageBox::Ok,
         QMessageBox::NoButton},
    };
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(expected[i].text);
        const SeenBox& box = reader.seen[i];
        EXPECT_EQ(box.text, QLatin1String(expected[i].text));
        EXPECT_EQ(box.title, QStringLiteral("Lunavik"));
        EXPECT_EQ(box.icon, expected[i].icon);
        EXPECT_EQ(box.buttons, expected[i].buttons);
        if (expected[i].defaultButton != QMessageBox::NoButton) {
            EXPECT_EQ(box.defaultButton, expected[i].defaultButton);
        }
    }
    // Enter took the reminder's default, Yes.
    EXPECT_EQ(fake.urls.opened, QStringList{pageUrl("download-web-page")});
}

// Enter, keypad Enter and Space press whichever button has the focus, on every window; Enter in
// a text box presses nothing.
TEST_F(MainWindowTest, EnterKeypadEnterAndSpacePressTheFocusedButton) {
    startWithJohnSmith();
    auto press = [](forms::Form& form, const char* button, Qt::Key key) {
        activate(form.window());
        QWidget* w = form.Control(QLatin1String(button));
        w->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QApplication::processEvents();
    };
    press(main(), "txtLastName", Qt::Key_Return);
    press(main(), "txtFirstName", Qt::Key_Enter);
    EXPECT_FALSE(result().IsLoaded());
    press(main(), "cmdNext", Qt::Key_Return);
    ASSERT_TRUE(result().Visible());
    press(result(), "cmdback", Qt::Key_Enter);
    EXPECT_TRUE(main().Visible());
    EXPECT_FALSE(result().IsLoaded());
    settle();
    press(main(), "cmdNext", Qt::Key_Enter);
    ASSERT_TRUE(result().Visible());
    press(result(), "cmdback", Qt::Key_Space);
    EXPECT_TRUE(main().Visible());
    settle();
    press(main(), "cmdNext", Qt::Key_Return);
    press(result(), "cmdback", Qt::Key_Return);
    expectNoMessage();
    // The exit screen opens with the focus on Exit.
    program->nag.Show();
    activate(program->nag.window());
    ASSERT_EQ(focusedControl(program->nag), QStringLiteral("cmdClose"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(fake.ender.statuses, std::vector<int>{0});
}

// One run in each language the program speaks, with the catalogues the desktop's language
// would load.
struct Language {
    const char* locale;
    const char* resultLine; // the first line of the result for JOHN SMITH
    const char* monthList;  // what a screen reader calls the month list
    const char* june;
    const char* yes; // Qt's own button
};

std::string languageName(const testing::TestParamInfo<Language>& info) {
    return std::string(info.param.locale).substr(0, 2);
}

class InEveryLanguage : public MainWindowTest, public testing::WithParamInterface<Language> {
protected:
    app::Translations translations{QStringList{QString::fromLatin1(GetParam().locale)}};
    void SetUp() override { translations.Install(); }
};

// The number is the same in every language, the date check goes by the month's place in the
// list whatever its name, and the message boxes' buttons speak the language of the windows.
TEST_P(InEveryLanguage, SameNumberSameDateRulesAndTheButtonsSpeakIt) {
    const Language& language = GetParam();
    using settings_encoding::EncodeSetting;
    fake.settings
        .values[QStringLiteral("lunavik/Settings/") + EncodeSetting(QStringLiteral("Duration"))] =
        EncodeSetting(QStringLiteral("2026-10-01T09:30:00"));
    useRealMessageBoxes();
    QStringList yes; // the Yes button of each box that has one; Escape answers every box
    int boxes = 0;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                ++boxes;
                if (QAbstractButton* button = box->button(QMessageBox::Yes))
                    yes << button->text();
                QTest::keyClick(box, Qt::Key_Escape);
            }
    });
    answer.start(10);
    startWithJohnSmith();
    EXPECT_EQ(yes, QStringList{QString::fromUtf8(language.yes)});
    EXPECT_TRUE(fake.urls.opened.isEmpty()) << "Escape answers the reminder with No";

    QComboBox* months = list("cboMonth");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(months)->text(QAccessible::Name),
              QString::fromUtf8(language.monthList));
    pick(months, QString::fromUtf8(language.june));
    pick(list("cboDate"), QStringLiteral("31"));
    click(main(), "cmdNext");
    EXPECT_EQ(boxes, 2) << "31 June is refused";
    EXPECT_FALSE(result().IsLoaded());
    pick(list("cboDate"), QStringLiteral("30"));
    click(main(), "cmdNext");
    ASSERT_TRUE(result().Visible());
    EXPECT_EQ(shownResult().section(QStringLiteral("\r\n"), 0, 0),
              QString::fromUtf8(language.resultLine));
    EXPECT_EQ(boxes, 2);
}

INSTANTIATE_TEST_SUITE_P(Languages, InEveryLanguage,
                         testing::Values(Language{"en_US", "Your Inner Dreams Number is: 2",
                                                  "Month of birth", "June", "&Yes"},
                                         Language{"de_DE", "Ihre innere Traumzahl lautet: 2",
                                                  "Geburtsmonat", "Juni", "&Ja"},
                                         Language{"es_ES",
                                                  "Tu número de los sueños interiores es: 2",
                                                  "Mes de nacimiento", "junio", "&Sí"}),
                         languageName);

class AboutBoxTest : public MainWindowTest {
protected:
    frmAbout& about() { return program->about; }
    // Opens the about box from the Help menu and runs whileOpen inside its modal loop; a box
    // that whileOpen fails to close is closed after a while so the suite never hangs.
    void withAboutBox(const std::function<void(frmAbout&)>& whileOpen) {
        bool ran = false;
        QTimer rescue;
        rescue.setSingleShot(true);
        QObject::connect(&rescue, &QTimer::timeout, [&] { about().Unload(); });
        QTimer::singleShot(0, [&] {
            ran = true;
            whileOpen(about());
        });
        rescue.start(5000);
        main().MenuEntry(QStringLiteral("mnuAbout"))->trigger();
        EXPECT_TRUE(ran) << "the about box did not run a modal loop";
        EXPECT_TRUE(rescue.isActive()) << "the about box stayed open";
    }
    bool shownModal() {
        return about().Visible() && QApplication::activeModalWidget() == about().window();
    }
};

// Opened four times: its links keep it open, and OK, Enter, Escape and the close box each
// unload it, and every opening shows the same content.
TEST_F(AboutBoxTest, LinksKeepTheModalBoxOpenAndEveryCloserUnloadsIt) {
    start();
    QStringList content[4];
    for (int closer = 0; closer < 4; ++closer) {
        SCOPED_TRACE(closer);
        bool modal = false;
        withAboutBox([&](frmAbout& box) {
            QStringList& texts = content[closer];
            texts << box.window()->windowTitle();
            for (const char* name : {"Label1", "Label2", "Label3", "lblCobrand", "lblHomePage"})
                texts << label(box, name);
            if (closer == 0) {
                click(box, "lblCobrand");
                click(box, "lblHomePage");
            }
            modal = shownModal();
            if (closer == 0)
                click(box, "cmdOK");
            else if (closer == 3)
                box.window()->close();
            else
                QTest::keyClick(box.window()->focusWidget(),
                                closer == 1 ? Qt::Key_Return : Qt::Key_Escape);
        });
        EXPECT_TRUE(modal);
        EXPECT_FALSE(about().IsLoaded());
        EXPECT_TRUE(main().Visible());
        EXPECT_EQ(content[closer], content[0]);
    }
    EXPECT_EQ(fake.urls.opened, QStringList({pageUrl("fully-branded"), pageUrl("home-page")}));
    ASSERT_EQ(content[0].size(), 6);
    EXPECT_EQ(content[0][0], QStringLiteral("Lunavik v" LUNAVIK_VERSION_TEXT));
    EXPECT_EQ(content[0][2], QStringLiteral("Lunavik v" LUNAVIK_VERSION_TEXT));
    EXPECT_EQ(content[0][4], QStringLiteral("Click here for more details."));
}

} // namespace

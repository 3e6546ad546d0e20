// The main window, the result window and the about box, driven through their widgets.
#include "build_config.h"
#include "engine/interpretation.h"
#include "program_fixture.h"

#include <QAction>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>
#include <functional>
#include <ostream>

namespace {

QString page(const char* key) {
    return QStringLiteral(LUNAVIK_SITE_BASE "/lunavik/ssd.php?page=") + QLatin1String(key);
}

QString resultText(int number) { return QString::fromStdU16String(engine::ResultText(number)); }

// The design name of the control holding the focus inside the form's window.
QString focusedControl(const forms::Form& form) {
    for (QWidget* w = form.window()->focusWidget(); w; w = w->parentWidget())
        if (!w->objectName().isEmpty() && form.Control(w->objectName()) == w)
            return w->objectName();
    return {};
}

// Whichever of the two overlapping offer labels a click at their common centre lands on.
QWidget* offerOnTop(const forms::Form& form) {
    QWidget* label = form.Control(QStringLiteral("lblCobrand"));
    return label->parentWidget()->childAt(label->geometry().center());
}

void activate(QWidget* window) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

} // namespace

class MainWindowTest : public ProgramTest {
protected:
    frmMain& main() { return program->main; }
    frmInnerDrmOrPerNo& result() { return program->result; }
    QComboBox* list(const char* name) { return control<QComboBox>(main(), name); }
    void type(const char* name, const QString& keys) {
        QTest::keyClicks(box(main(), name)->editor(), keys);
    }
    void pickDate(int day, const char* month, int year) {
        list("cboDate")->setCurrentText(QString::number(day));
        list("cboMonth")->setCurrentText(QLatin1String(month));
        list("cboYear")->setCurrentText(QString::number(year));
    }
    void clickNext() { QTest::mouseClick(control<QPushButton>(main(), "cmdNext"), Qt::LeftButton); }
    void clickBack() {
        QTest::mouseClick(control<QPushButton>(result(), "cmdback"), Qt::LeftButton);
    }
    // JOHN SMITH: consonants 1+8+5 + 1+4+2+8 = 29, reduced to 2.
    void startWithJohnSmith() {
        start();
        type("txtFirstName", QStringLiteral("john"));
        type("txtLastName", QStringLiteral("smith"));
    }
    QString shownResult() { return result().Display()->Text(); }
};

TEST_F(MainWindowTest, TypedLowerCaseLettersShowAsCapitals) {
    start();
    for (const char* name : {"txtFirstName", "txtMiddleName", "txtLastName"}) {
        type(name, QStringLiteral("john o'neil-2"));
        EXPECT_EQ(box(main(), name)->Text(), QStringLiteral("JOHN O'NEIL-2")) << name;
    }
}

TEST_F(MainWindowTest, PastedNameKeepsItsCaseAndCountsNothing) {
    start();
    QGuiApplication::clipboard()->setText(QStringLiteral("john"));
    QTest::keyClick(box(main(), "txtFirstName")->editor(), Qt::Key_V, Qt::ControlModifier);
    type("txtLastName", QStringLiteral("aeiou"));
    EXPECT_EQ(box(main(), "txtFirstName")->Text(), QStringLiteral("john"));
    clickNext();
    ASSERT_TRUE(result().Visible());
    EXPECT_EQ(shownResult(), resultText(0));
}

// Names a table row in failure output instead of dumping its bytes.
template <class Case>
requires requires(const Case& c) { c.name; }
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class ValidationTest : public MainWindowTest {
protected:
    // Next from the menu, so the focus stays where it was unless validation moves it.
    void nextFromTheMenu() {
        box(main(), "txtMiddleName")->setFocus();
        main().MenuEntry(QStringLiteral("mnuNext"))->trigger();
    }
    void expectReported(const char* message, const char* focus) {
        ASSERT_EQ(fake.messageBox.shown.size(), 1u)
            << qPrintable(fake.messageBox.texts().join('|'));
        const fakes::ShownMessage& shown = fake.messageBox.shown.front();
        EXPECT_EQ(shown.text, QLatin1String(message));
        EXPECT_EQ(shown.icon, platform::MsgIcon::Information);
        EXPECT_EQ(shown.buttons, platform::MsgButtons::Ok);
        EXPECT_EQ(shown.title, QStringLiteral("Lunavik"));
        EXPECT_EQ(focusedControl(main()), QLatin1String(focus));
        EXPECT_TRUE(main().Visible());
        EXPECT_FALSE(result().IsLoaded());
    }
};

struct OrderCase {
    const char* name;
    const char* first;
    const char* last;
    const char* emptied; // lists cleared to reach their emptiness tests
    const char* message;
    const char* focus;
};

class ValidationOrder : public ValidationTest, public testing::WithParamInterface<OrderCase> {};

// Each row also carries the failures of the tests after it, and a bad date.
TEST_P(ValidationOrder, ReportsOnlyTheFirstFailure) {
    const OrderCase& c = GetParam();
    start();
    type("txtFirstName", QLatin1String(c.first));
    type("txtLastName", QLatin1String(c.last));
    pickDate(31, "April", 2001);
    for (const QString& name : QString::fromLatin1(c.emptied).split(u' ', Qt::SkipEmptyParts))
        main().Control<QComboBox>(name)->clear();
    nextFromTheMenu();
    expectReported(c.message, c.focus);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, ValidationOrder,
                         testing::Values(OrderCase{"FirstName", "", "", "cboDate",
                                                   "Please Enter Your First Name", "txtFirstName"},
                                         OrderCase{"LastName", "john", "", "cboDate",
                                                   "Please Enter Your Last Name", "txtLastName"},
                                         OrderCase{"DayList", "john", "smith",
                                                   "cboDate cboMonth cboYear",
                                                   "Please Specify Your Birth Date", "cboDate"},
                                         OrderCase{"MonthList", "john", "smith", "cboMonth cboYear",
                                                   "Please Specify Your Birth Month", "cboMonth"},
                                         OrderCase{"YearList", "john", "smith", "cboYear",
                                                   "Please Specify Your Birth Year", "cboYear"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct DateCase {
    const char* name;
    int day;
    const char* month;
    int year;
    const char* message; // null when Next goes through
};

class DateValidation : public ValidationTest, public testing::WithParamInterface<DateCase> {};

TEST_P(DateValidation, AcceptsOnlyRealDates) {
    const DateCase& c = GetParam();
    startWithJohnSmith();
    pickDate(c.day, c.month, c.year);
    nextFromTheMenu();
    if (c.message) {
        expectReported(c.message, "txtMiddleName");
    } else {
        EXPECT_TRUE(fake.messageBox.shown.empty()) << qPrintable(fake.messageBox.texts().join('|'));
        EXPECT_TRUE(result().Visible());
        EXPECT_FALSE(main().Visible());
    }
}

const char* const kFebruary = "Please Enter Correct Date Or Month!";
const char* const kThirtyDays = "Please Enter Correct Date Or Month !";

INSTANTIATE_TEST_SUITE_P(MainWindow, DateValidation,
                         testing::Values(DateCase{"Feb29Of1900", 29, "February", 1900, kFebruary},
                                         DateCase{"Feb29Of1901", 29, "February", 1901, kFebruary},
                                         DateCase{"Feb29Of2000", 29, "February", 2000, nullptr},
                                         DateCase{"Feb29Of2004", 29, "February", 2004, nullptr},
                                         DateCase{"Feb28Of1900", 28, "February", 1900, nullptr},
                                         DateCase{"Feb30Of2000", 30, "February", 2000, kFebruary},
                                         DateCase{"Feb31Of2001", 31, "February", 2001, kFebruary},
                                         DateCase{"April31", 31, "April", 1985, kThirtyDays},
                                         DateCase{"June31", 31, "June", 1985, kThirtyDays},
                                         DateCase{"September31", 31, "September", 1985,
                                                  kThirtyDays},
                                         DateCase{"November31", 31, "November", 1985, kThirtyDays},
                                         DateCase{"March31", 31, "March", 1985, nullptr},
                                         DateCase{"April30", 30, "April", 2050, nullptr}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ValidationTest, NameOfSpacesOnlyPasses) {
    start();
    type("txtFirstName", QStringLiteral("   "));
    type("txtLastName", QStringLiteral("smith"));
    nextFromTheMenu();
    EXPECT_TRUE(fake.messageBox.shown.empty());
    EXPECT_TRUE(result().Visible());
}

TEST_F(MainWindowTest, NextShowsTheWholeResultFromItsFirstLine) {
    startWithJohnSmith();
    QGuiApplication::clipboard()->setText(QStringLiteral("copied before"));
    clickNext();
    ASSERT_TRUE(result().Visible());
    EXPECT_FALSE(main().Visible());
    EXPECT_EQ(shownResult(), resultText(2));
    EXPECT_EQ(result().Display()->SelStart(), 0);
    const QScrollBar* bar =
        qobject_cast<QPlainTextEdit*>(result().Display()->editor())->verticalScrollBar();
    EXPECT_EQ(bar->value(), 0);
    EXPECT_GT(bar->maximum(), 0) << "the rest of the text is reached by scrolling";
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

TEST_F(MainWindowTest, AltNWorksAsNext) {
    startWithJohnSmith();
    activate(main().window());
    QTest::keyClick(main().window(), Qt::Key_N, Qt::AltModifier);
    // The button's mnemonic animates a click, which lands a moment later.
    EXPECT_TRUE(QTest::qWaitFor([&] { return result().Visible(); }, 2000));
    EXPECT_EQ(shownResult(), resultText(2));
}

TEST_F(MainWindowTest, NextBackNextShowsTheResultOnce) {
    startWithJohnSmith();
    clickNext();
    clickBack();
    settle();
    clickNext();
    ASSERT_TRUE(result().Visible());
    EXPECT_EQ(shownResult(), resultText(2));
}

TEST_F(MainWindowTest, BackBringsTheEntriesBack) {
    startWithJohnSmith();
    type("txtMiddleName", QStringLiteral("lee"));
    pickDate(15, "March", 1985);
    clickNext();
    clickBack();
    EXPECT_TRUE(main().Visible());
    EXPECT_FALSE(result().IsLoaded());
    EXPECT_EQ(box(main(), "txtFirstName")->Text(), QStringLiteral("JOHN"));
    EXPECT_EQ(box(main(), "txtMiddleName")->Text(), QStringLiteral("LEE"));
    EXPECT_EQ(box(main(), "txtLastName")->Text(), QStringLiteral("SMITH"));
    EXPECT_EQ(list("cboDate")->currentText(), QStringLiteral("15"));
    EXPECT_EQ(list("cboMonth")->currentText(), QStringLiteral("March"));
    EXPECT_EQ(list("cboYear")->currentText(), QStringLiteral("1985"));
}

struct LinkCase {
    const char* name;
    float rnd; // the start-up draw deciding which offer label lies on top
    const char* control;
    bool menu;
    const char* page;
};

class MainWindowLink : public MainWindowTest, public testing::WithParamInterface<LinkCase> {};

TEST_P(MainWindowLink, OpensItsPage) {
    const LinkCase& c = GetParam();
    fake.random.values = {c.rnd};
    start();
    const QString name = QLatin1String(c.control);
    if (c.menu) {
        main().MenuEntry(name)->trigger();
    } else {
        QWidget* target =
            name == QLatin1String("offer") ? offerOnTop(main()) : main().Control(name);
        QTest::mouseClick(target, Qt::LeftButton);
    }
    EXPECT_EQ(fake.urls.opened, QStringList{page(c.page)});
    EXPECT_TRUE(main().Visible());
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, MainWindowLink,
    testing::Values(LinkCase{"Donate", 0, "mnuDonate", true, "donate"},
                    LinkCase{"OnlineHelp", 0, "mnuOnline", true, "help-web-page"},
                    LinkCase{"VisitUs", 0, "mnuVisit", true, "home-page"},
                    LinkCase{"CheckForUpdate", 0, "mnuUpdate", true, "download-web-page"},
                    LinkCase{"Banner", 0, "Label61", false, "home-page"},
                    LinkCase{"CoBrandOnTop", 0.0f, "offer", false, "co-brand"},
                    LinkCase{"FullBrandOnTop", 0.2f, "offer", false, "fully-branded"}),
    [](const auto& info) { return std::string(info.param.name); });

using ResultWindowTest = MainWindowTest;

TEST_F(ResultWindowTest, CopiedTextLastsOnlyUntilTheMouseMovesOverIt) {
    startWithJohnSmith();
    clickNext();
    auto* editor = qobject_cast<QPlainTextEdit*>(result().Display()->editor());
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

TEST_F(ResultWindowTest, TypingChangesNothing) {
    startWithJohnSmith();
    clickNext();
    QWidget* editor = result().Display()->editor();
    QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClicks(editor, QStringLiteral("abc 123"));
    for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return, Qt::Key_Tab})
        QTest::keyClick(editor, key);
    EXPECT_EQ(shownResult(), resultText(2));
}

TEST_F(ResultWindowTest, LinksOpenTheirPages) {
    startWithJohnSmith();
    clickNext();
    QWidget* offer = offerOnTop(result());
    EXPECT_EQ(offer, result().Control(QStringLiteral("lblFullBrand")));
    QTest::mouseClick(offer, Qt::LeftButton);
    QTest::mouseClick(result().Control(QStringLiteral("Label61")), Qt::LeftButton);
    EXPECT_EQ(fake.urls.opened, (QStringList{page("fully-branded"), page("home-page")}));
    EXPECT_TRUE(result().Visible());
}

class AboutBoxTest : public MainWindowTest {
protected:
    frmAbout& about() { return program->about; }
    // Opens the about box from the Help menu and runs whileOpen inside its modal loop; a box
    // that whileOpen fails to close is closed after a while so the suite never hangs.
    void withAboutBox(const std::function<void(frmAbout&)>& whileOpen) {
        bool ran = false;
        QTimer act, rescue;
        act.setSingleShot(true);
        rescue.setSingleShot(true);
        QObject::connect(&act, &QTimer::timeout, [&] {
            ran = true;
            whileOpen(about());
        });
        QObject::connect(&rescue, &QTimer::timeout, [&] { about().Unload(); });
        act.start(0);
        rescue.start(5000);
        main().MenuEntry(QStringLiteral("mnuAbout"))->trigger();
        EXPECT_TRUE(ran) << "the about box did not run a modal loop";
        EXPECT_TRUE(rescue.isActive()) << "the about box stayed open";
    }
    QStringList content() {
        QStringList texts{about().window()->windowTitle()};
        for (const char* name : {"Label1", "Label2", "Label3", "lblCobrand", "lblHomePage"})
            texts << control<forms::FormLabel>(about(), name)->Caption();
        return texts;
    }
};

struct CloserCase {
    const char* name;
    Qt::Key key; // Key_unknown: the close box
};

class AboutBoxCloser : public AboutBoxTest, public testing::WithParamInterface<CloserCase> {};

TEST_P(AboutBoxCloser, ClosesAndUnloadsTheModalBox) {
    start();
    bool shownModal = false;
    withAboutBox([&](frmAbout& box) {
        shownModal = box.Visible() && QApplication::activeModalWidget() == box.window();
        if (GetParam().key == Qt::Key_unknown)
            box.window()->close();
        else if (QWidget* focus = box.window()->focusWidget())
            QTest::keyClick(focus, GetParam().key);
    });
    EXPECT_TRUE(shownModal);
    EXPECT_FALSE(about().IsLoaded());
    EXPECT_TRUE(main().Visible());
    EXPECT_TRUE(fake.urls.opened.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(AboutBox, AboutBoxCloser,
                         testing::Values(CloserCase{"Enter", Qt::Key_Return},
                                         CloserCase{"Escape", Qt::Key_Escape},
                                         CloserCase{"CloseBox", Qt::Key_unknown}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AboutBoxTest, LinksOpenTheirPagesAndKeepTheBoxOpen) {
    start();
    bool stillOpen = false;
    withAboutBox([&](frmAbout& box) {
        QTest::mouseClick(box.Control(QStringLiteral("lblCobrand")), Qt::LeftButton);
        QTest::mouseClick(box.Control(QStringLiteral("lblHomePage")), Qt::LeftButton);
        stillOpen = box.Visible() && QApplication::activeModalWidget() == box.window();
        QTest::mouseClick(box.Control(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(fake.urls.opened, (QStringList{page("fully-branded"), page("home-page")}));
}

TEST_F(AboutBoxTest, OpenedTwiceShowsTheSameContent) {
    start();
    QStringList first, second;
    withAboutBox([&](frmAbout& box) {
        first = content();
        box.cmdOK_Click();
    });
    withAboutBox([&](frmAbout& box) {
        second = content();
        box.cmdOK_Click();
    });
    EXPECT_EQ(first, second);
    ASSERT_EQ(first.size(), 6);
    EXPECT_EQ(first[0], QStringLiteral("Lunavik v1.70"));
    EXPECT_EQ(first[2], QStringLiteral("Lunavik v1.70"));
    EXPECT_EQ(first[4], QStringLiteral("Click here for more details."));
}

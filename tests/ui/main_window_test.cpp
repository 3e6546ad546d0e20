// The main window: typing, the date lists, validation, message boxes, keys, every language.
#include "app/translations.h"
#include "program_fixture.h"
#include "result_texts.h"

#include <QAccessible>
#include <QClipboard>

namespace {

const QString kIntro = QString::fromLatin1(result_texts::kIntro);

using MainWindowTest = ProgramTest;

QStringList items(QComboBox* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

// a and z are the ends of the range; the characters just outside it and accented letters stay
// as typed.
TEST_F(MainWindowTest, TypedLowerCaseLettersShowAsCapitals) {
    start();
    for (const char* name : {"txtFirstName", "txtMiddleName", "txtLastName"}) {
        type(main(), name, QStringLiteral(u"zoe o'neil-2 `az{ Ab \u00e9\u00f1\u00fc\u00e7\u00e3"));
        EXPECT_EQ(box(main(), name)->Text(),
                  QStringLiteral(u"ZOE O'NEIL-2 `AZ{ AB \u00e9\u00f1\u00fc\u00e7\u00e3"))
            << name;
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
              Texts({"January", "February", "March", "April", "May", "June", "July", "August",
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
    QTest::keyClick(box(main(), "txtFirstName")->focusProxy(), Qt::Key_V, Qt::ControlModifier);
    type(main(), "txtLastName", QStringLiteral("aeiou"));
    EXPECT_EQ(box(main(), "txtFirstName")->Text(), QStringLiteral("john"));
    click(main(), "cmdNext");
    ASSERT_TRUE(result().IsVisible());
    // No paragraph for 0: its place stays empty between the line breaks.
    EXPECT_EQ(shownResult(), QStringLiteral("Your Inner Dreams Number is: 0\r\n\r\n") + kIntro +
                                 QStringLiteral("\r\n\r\n\r\n\r\n\r\n\r\n"));
}

// A pasted name keeps its first 32,767 characters: their 32,767 reduces to 7.
TEST_F(MainWindowTest, HugePastedNameIsCutAtTheBoxLimit) {
    start();
    QGuiApplication::clipboard()->setText(QString(1000000, QLatin1Char('S')));
    QTest::keyClick(box(main(), "txtFirstName")->focusProxy(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box(main(), "txtFirstName")->Text().size(), 32767);
    type(main(), "txtLastName", QStringLiteral("a"));
    click(main(), "cmdNext");
    ASSERT_TRUE(result().IsVisible());
    ASSERT_EQ(result_texts::kParagraphs[6].number, 7);
    EXPECT_EQ(shownResult(), QStringLiteral("Your Inner Dreams Number is: 7\r\n\r\n") + kIntro +
                                 QStringLiteral("\r\n\r\n") +
                                 QString::fromLatin1(result_texts::kParagraphs[6].text) +
                                 QStringLiteral("\r\n\r\n\r\n\r\n"));
}

// Each step fills in one more value, so every failure also carries the failures of the checks
// after it.
TEST_F(MainWindowTest, ValidationReportsTheFirstFailure) {
    start();
    for (const char* name : {"cboDate", "cboMonth", "cboYear"})
        list(name)->setCurrentIndex(-1);
    nextFromMenu();
    expectRefused("Please Enter Your First Name", "txtFirstName");
    type(main(), "txtFirstName", QStringLiteral("   ")); // spaces only will pass
    nextFromMenu();
    expectRefused("Please Enter Your Last Name", "txtLastName");
    type(main(), "txtLastName", QStringLiteral("smith"));
    nextFromMenu();
    expectRefused("Please Specify Your Birth Date", "cboDate");
    pick(list("cboDate"), QStringLiteral("31"));
    nextFromMenu();
    expectRefused("Please Specify Your Birth Month", "cboMonth");
    pick(list("cboMonth"), QStringLiteral("April"));
    nextFromMenu();
    expectRefused("Please Specify Your Birth Year", "cboYear");
}

struct DateCase {
    const char* name;
    int day;
    const char* month;
    int year;
    const char* message; // null when Next goes through
};
const char* const kFebruary = "Please Enter Correct Date Or Month!";
const char* const kThirtyDays = "Please Enter Correct Date Or Month !";

class DateCheck : public MainWindowTest, public testing::WithParamInterface<DateCase> {};

TEST_P(DateCheck, NextAcceptsOnlyRealDates) {
    const DateCase& c = GetParam();
    startWithJohnSmith();
    pickDate(c.day, c.month, c.year);
    nextFromMenu();
    if (c.message) {
        expectRefused(c.message, "txtMiddleName");
    } else {
        expectNoMessage();
        ASSERT_TRUE(result().IsVisible());
        EXPECT_FALSE(main().IsVisible());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Dates, DateCheck,
    testing::Values(DateCase{"April31", 31, "April", 2001, kThirtyDays},
                    DateCase{"February29In1900", 29, "February", 1900, kFebruary},
                    DateCase{"February29In1901", 29, "February", 1901, kFebruary},
                    DateCase{"February29In2000", 29, "February", 2000, nullptr},
                    DateCase{"February29In2004", 29, "February", 2004, nullptr},
                    DateCase{"February28In1900", 28, "February", 1900, nullptr},
                    DateCase{"February30", 30, "February", 2000, kFebruary},
                    DateCase{"June31", 31, "June", 1985, kThirtyDays},
                    DateCase{"September31", 31, "September", 1985, kThirtyDays},
                    DateCase{"November31", 31, "November", 1985, kThirtyDays},
                    DateCase{"March31", 31, "March", 1985, nullptr},
                    DateCase{"April30In2050", 30, "April", 2050, nullptr}),
    [](const auto& row) { return std::string(row.param.name); });

// The real message box service: the reminder asks with the information icon and Yes as the
// default, validation informs, the exit screen's checks show the critical-error icon.
TEST_F(MainWindowTest, MessageBoxesAreDrawnWithTheirIconButtonsAndTitle) {
    storeReminder();
    useRealMessageBoxes();
    MessageBoxReader reader; // presses Enter in each box
    start();
    click(main(), "cmdNext");
    nag().Show();
    click(nag(), "cmdSubmit");
    ASSERT_EQ(reader.m_seen.size(), 3u);
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
         QMessageBox::NoButton}};
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(expected[i].text);
        const SeenBox& box = reader.m_seen[i];
        EXPECT_EQ(box.text, QLatin1String(expected[i].text));
        EXPECT_EQ(box.title, QStringLiteral("Lunavik"));
        EXPECT_EQ(box.icon, expected[i].icon);
        EXPECT_EQ(box.buttons, expected[i].buttons);
        if (expected[i].defaultButton != QMessageBox::NoButton) {
            EXPECT_EQ(box.defaultButton, expected[i].defaultButton);
        }
    }
    // Enter took the reminder's default, Yes.
    EXPECT_EQ(m_fake.urls.m_opened, QStringList{PageUrl("download-web-page")});
}

// Enter, keypad Enter and Space press whichever button has the focus, on every window; Enter in
// a text box presses nothing.
TEST_F(MainWindowTest, EnterKeypadEnterAndSpacePressTheFocusedButton) {
    startWithJohnSmith();
    auto press = [](forms::Form& form, const char* button, Qt::Key key) {
        activate(form.Window());
        QWidget* w = form.Control(QLatin1String(button));
        w->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QApplication::processEvents();
    };
    press(main(), "txtLastName", Qt::Key_Return);
    press(main(), "txtFirstName", Qt::Key_Enter);
    EXPECT_FALSE(result().IsLoaded());
    press(main(), "cmdNext", Qt::Key_Return);
    ASSERT_TRUE(result().IsVisible());
    press(result(), "cmdback", Qt::Key_Enter);
    EXPECT_TRUE(main().IsVisible());
    EXPECT_FALSE(result().IsLoaded());
    settle();
    press(main(), "cmdNext", Qt::Key_Enter);
    ASSERT_TRUE(result().IsVisible());
    press(result(), "cmdback", Qt::Key_Space);
    EXPECT_TRUE(main().IsVisible());
    settle();
    press(main(), "cmdNext", Qt::Key_Return);
    press(result(), "cmdback", Qt::Key_Return);
    expectNoMessage();
    // The exit screen opens with the focus on Exit.
    nag().Show();
    activate(nag().Window());
    ASSERT_EQ(focusedControl(nag()), QStringLiteral("cmdClose"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(m_fake.ender.m_statuses, std::vector<int>{0});
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

std::string languageName(const testing::TestParamInfo<Language>& info) { return info.param.locale; }

class InEveryLanguage : public MainWindowTest, public testing::WithParamInterface<Language> {
protected:
    app::Translations m_translations{QStringList{QString::fromLatin1(GetParam().locale)}};
    void SetUp() override { m_translations.Install(); }
};

// The number is the same in every language, the date check goes by the month's place in the
// list whatever its name, the message boxes' buttons speak the language of the windows, and
// the referral checks know the hints the boxes show.
TEST_P(InEveryLanguage, SameNumberSameDateRulesAndTheButtonsSpeakIt) {
    const Language& language = GetParam();
    storeReminder();
    useRealMessageBoxes();
    MessageBoxReader reader(Qt::Key_Escape);
    startWithJohnSmith();
    type(main(), "txtMiddleName", QStringLiteral(u"\u00e9\u00f1\u00fc\u00e7\u00e3")); // count 0
    ASSERT_EQ(reader.m_seen.size(), 1u);
    EXPECT_EQ(reader.m_seen[0].yes, QString::fromUtf8(language.yes));
    EXPECT_TRUE(m_fake.urls.m_opened.isEmpty()) << "Escape answers the reminder with No";

    QComboBox* months = list("cboMonth");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(months)->text(QAccessible::Name),
              QString::fromUtf8(language.monthList));
    pick(months, QString::fromUtf8(language.june));
    pick(list("cboDate"), QStringLiteral("31"));
    click(main(), "cmdNext");
    EXPECT_EQ(reader.m_seen.size(), 2u) << "31 June is refused";
    EXPECT_FALSE(result().IsLoaded());
    pick(list("cboDate"), QStringLiteral("30"));
    click(main(), "cmdNext");
    ASSERT_TRUE(result().IsVisible());
    EXPECT_EQ(firstLine(), QString::fromUtf8(language.resultLine));
    EXPECT_EQ(reader.m_seen.size(), 2u);
    // A referral name left at the hint it shows, in this language, is refused.
    nag().Show();
    box(nag(), "txtEmail")->SetText(QStringLiteral("ann@example.org"));
    box(nag(), "txtFriendEmail")->SetText(QStringLiteral("bob@example.net"));
    click(nag(), "cmdSubmit");
    EXPECT_EQ(reader.m_seen.size(), 3u);
    EXPECT_TRUE(m_fake.urls.m_opened.isEmpty());
}

const Language kLanguages[] = {
    {"en_US", "Your Inner Dreams Number is: 2", "Month of birth", "June", "&Yes"},
    {"de_DE", "Ihre innere Traumzahl lautet: 2", "Geburtsmonat", "Juni", "&Ja"},
    {"es_ES", "Tu número de los sueños íntimos es: 2", "Mes de nacimiento", "junio", "&Sí"},
    {"fr_FR", "Votre nombre des rêves intérieurs est : 2", "Mois de naissance", "juin", "&Oui"},
    {"it_IT", "Il suo numero dei sogni interiori è: 2", "Mese di nascita", "giugno", "&Sì"},
    {"pt_BR", "Seu número dos sonhos interiores é: 2", "Mês de nascimento", "junho", "&Sim"},
    // Portugal reads the Brazilian catalogue.
    {"pt_PT", "Seu número dos sonhos interiores é: 2", "Mês de nascimento", "junho", "&Sim"}};
INSTANTIATE_TEST_SUITE_P(Languages, InEveryLanguage, testing::ValuesIn(kLanguages), languageName);

} // namespace

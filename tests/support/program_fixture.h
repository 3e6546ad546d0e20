#pragma once

#include "fakes.h"
#include "forms/controls.h"
#include "forms/text_box.h"
#include "tested_program.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <string>

// Failure output shows texts rather than their bytes.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// A list of texts written as plain literals.
QStringList Texts(std::initializer_list<const char*> items);

// A page of the maker's site by its key, the address written out.
QString PageUrl(const std::string& key);

// The update reminder's key, "Duration", as the settings file keeps it (every code shifted up
// by 85 in the Windows code page), and as the fake store keeps it (application "lunavik",
// section "Settings").
inline const QString kReminderKey =
    QStringLiteral(u"\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3");
inline const QString kFakeReminderKey = QStringLiteral("lunavik/Settings/") + kReminderKey;

// What a real message box showed.
struct SeenBox {
    QString text, title;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
    QString yes; // the Yes button's text, when it has one
};

// Reads and answers the real message boxes a test causes: while it lives, a timer looks for
// an open box, records what it shows and presses the answer key in it.
class MessageBoxReader : public QObject {
public:
    explicit MessageBoxReader(Qt::Key answer = Qt::Key_Return);
    std::vector<SeenBox> m_seen;

private:
    QTimer m_timer;
};

// A whole program over test doubles. Nothing is loaded until a test says so.
class ProgramTest : public ::testing::Test {
protected:
    // A modal window that stays open holds the test inside its loop: after five seconds the
    // test fails, naming the window, and the window is closed so that the test can end.
    ProgramTest();

    fakes::TestPlatform m_fake;
    platform::QtMessageBox m_realMessageBox;
    std::unique_ptr<platform::Platform> m_withRealBoxes;
    std::unique_ptr<TestedProgram> m_program = std::make_unique<TestedProgram>(m_fake.platform);

    // Starts over with a program that shows real message boxes; read them with a
    // MessageBoxReader.
    void useRealMessageBoxes();

    void start() { m_program->Start(); }
    frmMain& main() { return m_program->m_main; }
    frmInnerDrmOrPerNo& result() { return m_program->m_result; }
    frmAbout& about() { return m_program->m_about; }
    frmNagScreen2& nag() { return m_program->m_nag; }
    // Stores the reminder's date as the program encodes it; by default one long gone, so that
    // the next start asks.
    void storeReminder(const QString& date = QStringLiteral("2026-10-01T09:30:00"));

    template <class T> T* control(forms::Form& form, const char* name) {
        return form.Control<T>(QLatin1String(name));
    }
    forms::FormTextBox* box(forms::Form& form, const char* name) {
        return control<forms::FormTextBox>(form, name);
    }
    QString label(forms::Form& form, const char* name) {
        return control<forms::FormLabel>(form, name)->Caption();
    }
    // QTest looks up keys for ASCII only; any other character comes as the text a keyboard
    // layout gives for it.
    void type(forms::Form& form, const char* name, const QString& keys);
    void click(forms::Form& form, const char* name);
    forms::Form& form(const std::string& designName) { return m_program->FormNamed(designName); }
    QComboBox* list(const char* name) { return control<QComboBox>(main(), name); }
    void pickDate(int day, const char* month, int year) {
        pick(list("cboDate"), QString::number(day));
        pick(list("cboMonth"), QLatin1String(month));
        pick(list("cboYear"), QString::number(year));
    }
    QString shownResult() { return box(result(), "txtDisplay")->Text(); }
    QString firstLine() { return shownResult().section(QStringLiteral("\r\n"), 0, 0); }
    // Next from the menu, so the focus stays where it was unless validation moves it.
    void nextFromMenu() {
        box(main(), "txtMiddleName")->setFocus();
        main().MenuEntry(QStringLiteral("mnuNext"))->trigger();
    }
    void expectRefused(const char* message, const char* focus) {
        expectMessage(QLatin1String(message), platform::MsgIcon::Information);
        expectNoMessage();
        EXPECT_EQ(focusedControl(main()), QLatin1String(focus));
        EXPECT_TRUE(main().IsVisible());
        EXPECT_FALSE(result().IsLoaded());
    }
    QPlainTextEdit* display() {
        return qobject_cast<QPlainTextEdit*>(box(result(), "txtDisplay")->focusProxy());
    }
    // Selects the list item with exactly this text. Unlike setCurrentText, which keeps the old
    // selection when there is no such item, a missing item stops the test.
    static void pick(QComboBox* list, const QString& text);
    // JOHN SMITH: consonants 1+8+5 + 1+4+2+8 = 29, reduced to 2.
    void startWithJohnSmith();
    void startAndNext();
    // Checks the oldest message box the test has not checked yet, titled with the program's
    // title. Every box a test causes must be checked, or taken, before it ends.
    void expectMessage(const QString& text, platform::MsgIcon icon,
                       platform::MsgButtons buttons = platform::MsgButtons::Ok);
    void expectReminder();
    // The texts of the message boxes not checked yet, which count as checked from now on.
    QStringList takeMessages();
    void expectNoMessage() { EXPECT_EQ(takeMessages(), QStringList()); }

    // Whichever control a click at the centre of the named one lands on.
    static QWidget* onTopAt(const forms::Form& form, const char* name);
    // The design name of the control holding the focus inside the form's window.
    static QString focusedControl(const forms::Form& form);
    // Focus events reach widgets only in the active window.
    static void activate(QWidget* window);
    // Lets deferred deletions and posted events run.
    static void settle();
    void TearDown() override;

private:
    QTimer m_modalWatch;
    QWidget* m_modal = nullptr;
    QElapsedTimer m_modalFor;
};

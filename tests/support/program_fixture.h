#pragma once

#include "build_config.h"
#include "fakes.h"
#include "shell/setting_encoding.h"
#include "tested_program.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <initializer_list>
#include <map>
#include <memory>
#include <ostream>
#include <string>

// Failure output shows texts rather than their bytes.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// A list of texts written as plain literals.
inline QStringList texts(std::initializer_list<const char*> items) {
    QStringList out;
    for (const char* item : items)
        out << QString::fromUtf8(item);
    return out;
}

// The maker's pages by key, written out in full so that a wrong address in the program fails.
inline QString pageUrl(const std::string& key) {
    static const std::map<std::string, const char*> pages = {
        {"orvanethsoftwares", LUNAVIK_SITE_BASE "/lunavik/ssd.php?page=orvanethsoftwares"},
        {"donate", LUNAVIK_SITE_BASE "/lunavik/ssd.php?page=donate"},
        {"help-web-page", LUNAVIK_SITE_BASE "/lunavik/ssd.php?page=help-web-page"},
        {"co-brand", LUNAVIK_SITE_BASE "/lunavik/ssd.php?page=co-brand"},
        {"fully-branded", LUNAVIK_SITE_BASE "/lunavik/ssd.php?page=fully-branded"},
        {"home-page", LUNAVIK_SITE_BASE "/lunavik/ssd.php?page=home-page"},
        {"download-web-page", LUNAVIK_SITE_BASE "/lunavik/ssd.php?page=download-web-page"},
        {"orvs-refer-a-friend", LUNAVIK_SITE_BASE "/lunavik/ssd.php?page=orvs-refer-a-friend"}};
    return QString::fromUtf8(pages.at(key));
}

// The update reminder's key as the settings file keeps it, and as the fake store keeps it
// (application "lunavik", section "Settings").
inline const QString kReminderKey = settings_encoding::ReminderKey();
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
    explicit MessageBoxReader(Qt::Key answer = Qt::Key_Return) {
        connect(&m_timer, &QTimer::timeout, this, [this, answer] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                    QAbstractButton* yes = box->button(QMessageBox::Yes);
                    seen.push_back(
                        {box->text(), box->windowTitle(), box->icon(), box->standardButtons(),
                         box->standardButton(box->defaultButton()), yes ? yes->text() : QString()});
                    QTest::keyClick(box, answer);
                }
        });
        m_timer.start(10);
    }
    std::vector<SeenBox> seen;

private:
    QTimer m_timer;
};

// A whole program over test doubles. Nothing is loaded until a test says so.
class ProgramTest : public ::testing::Test {
protected:
    // A modal window that stays open holds the test inside its loop: after five seconds the
    // test fails, naming the window, and the window is closed so that the test can end.
    ProgramTest() {
        QObject::connect(&m_modalWatch, &QTimer::timeout, [this] {
            QWidget* open = QApplication::activeModalWidget();
            if (open != m_modal || !open) {
                m_modal = open;
                m_modalFor.start();
            } else if (m_modalFor.elapsed() > 5000) {
                ADD_FAILURE() << "the test left a modal window open: "
                              << open->metaObject()->className() << ' '
                              << qPrintable(open->objectName());
                m_modalFor.start();
                open->close();
            }
        });
        m_modalWatch.start(100);
    }

    fakes::TestPlatform fake;
    platform::QtMessageBox realMessageBox;
    std::unique_ptr<platform::Platform> withRealBoxes;
    std::unique_ptr<TestedProgram> program = std::make_unique<TestedProgram>(fake.platform);

    // Starts over with a program that shows real message boxes; read them with a
    // MessageBoxReader.
    void useRealMessageBoxes() {
        program.reset();
        withRealBoxes = std::make_unique<platform::Platform>(
            platform::Platform{realMessageBox, fake.urls, fake.settings, fake.clipboard, fake.clock,
                               fake.random, fake.instance, fake.ender, fake.platform.appName});
        program = std::make_unique<TestedProgram>(*withRealBoxes);
    }

    void start() { program->Start(); }
    // Stores the reminder's date as the program encodes it; by default one long gone, so that
    // the next start asks.
    void storeReminder(const QString& date = QStringLiteral("2026-10-01T09:30:00")) {
        fake.settings.values[kFakeReminderKey] = settings_encoding::EncodeSetting(date);
    }

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
    void type(forms::Form& form, const char* name, const QString& keys) {
        for (const QChar c : keys)
            if (c.unicode() < 0x80)
                QTest::keyClick(box(form, name)->editor(), c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, box(form, name)->editor(), Qt::Key_unknown,
                                    QString(c), Qt::NoModifier);
    }
    void click(forms::Form& form, const char* name) {
        QTest::mouseClick(form.Control(QLatin1String(name)), Qt::LeftButton);
    }
    forms::Form& form(const std::string& designName) { return program->form(designName); }
    // Selects the list item with exactly this text. Unlike setCurrentText, which keeps the old
    // selection when there is no such item, a missing item stops the test.
    static void pick(QComboBox* list, const QString& text) {
        const int index = list->findText(text, Qt::MatchExactly);
        ASSERT_GE(index, 0) << qPrintable(list->objectName()) << " has no item "
                            << qPrintable(text);
        list->setCurrentIndex(index);
    }
    // JOHN SMITH: consonants 1+8+5 + 1+4+2+8 = 29, reduced to 2.
    void startWithJohnSmith() {
        start();
        type(program->main, "txtFirstName", QStringLiteral("john"));
        type(program->main, "txtLastName", QStringLiteral("smith"));
    }
    void startAndNext() {
        startWithJohnSmith();
        click(program->main, "cmdNext");
        ASSERT_TRUE(program->result.Visible());
    }
    // Checks the oldest message box the test has not checked yet, titled with the program's
    // title. Every box a test causes must be checked, or taken, before it ends.
    void expectMessage(const QString& text, platform::MsgIcon icon,
                       platform::MsgButtons buttons = platform::MsgButtons::Ok) {
        auto& pending = fake.messageBox.pending;
        ASSERT_FALSE(pending.empty()) << "no message box shown; expected " << qPrintable(text);
        const fakes::ShownMessage m = pending.front();
        pending.pop_front();
        EXPECT_EQ(m.text, text);
        EXPECT_EQ(m.icon, icon);
        EXPECT_EQ(m.buttons, buttons);
        EXPECT_EQ(m.title, QStringLiteral("Lunavik"));
    }
    void expectReminder() {
        expectMessage(QStringLiteral("There maybe an update to this software available\r"
                                     "Do you want to check for an update?"),
                      platform::MsgIcon::Information, platform::MsgButtons::YesNo);
    }
    // The texts of the message boxes not checked yet, which count as checked from now on.
    QStringList takeMessages() {
        QStringList texts;
        for (const fakes::ShownMessage& m : fake.messageBox.pending)
            texts << m.text;
        fake.messageBox.pending.clear();
        return texts;
    }
    void expectNoMessage() { EXPECT_EQ(takeMessages(), QStringList()); }

    // Whichever control a click at the centre of the named one lands on.
    static QWidget* onTopAt(const forms::Form& form, const char* name) {
        QWidget* c = form.Control(QLatin1String(name));
        return c->parentWidget()->childAt(c->geometry().center());
    }
    // The design name of the control holding the focus inside the form's window.
    static QString focusedControl(const forms::Form& form) {
        for (QWidget* w = form.window()->focusWidget(); w; w = w->parentWidget())
            if (!w->objectName().isEmpty() && form.Control(w->objectName()) == w)
                return w->objectName();
        return {};
    }
    // Focus events reach widgets only in the active window.
    static void activate(QWidget* window) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }
    // Lets deferred deletions and posted events run.
    static void settle() {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
    void TearDown() override {
        EXPECT_EQ(takeMessages(), QStringList()) << "message boxes the test did not expect";
        program.reset();
        settle();
    }

private:
    QTimer m_modalWatch;
    QWidget* m_modal = nullptr;
    QElapsedTimer m_modalFor;
};

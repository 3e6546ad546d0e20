#pragma once

#include "app/program.h"
#include "build_config.h"
#include "fakes.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>

// Failure output shows texts rather than their bytes.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

inline QString pageUrl(const char* key) {
    return QStringLiteral(LUNAVIK_SITE_BASE "/lunavik/ssd.php?page=") + QLatin1String(key);
}

// A whole program over test doubles. Nothing is loaded until a test says so.
class ProgramTest : public ::testing::Test {
protected:
    fakes::TestPlatform fake;
    std::unique_ptr<Program> program = std::make_unique<Program>(fake.platform);

    void start() { program->Start(); }

    template <class T> T* control(forms::Form& form, const char* name) {
        return form.Control<T>(QLatin1String(name));
    }
    forms::FormTextBox* box(forms::Form& form, const char* name) {
        return control<forms::FormTextBox>(form, name);
    }
    QString label(forms::Form& form, const char* name) {
        return control<forms::FormLabel>(form, name)->Caption();
    }
    void type(forms::Form& form, const char* name, const QString& keys) {
        QTest::keyClicks(box(form, name)->editor(), keys);
    }
    void click(forms::Form& form, const char* name) {
        QTest::mouseClick(form.Control(QLatin1String(name)), Qt::LeftButton);
    }
    forms::Form& form(const std::string& designName) {
        if (designName == "frmMain")
            return program->main;
        if (designName == "frmInnerDrmOrPerNo")
            return program->result;
        if (designName == "frmAbout")
            return program->about;
        return program->nag;
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
    void expectOneMessage(const QString& text, platform::MsgIcon icon,
                          platform::MsgButtons buttons = platform::MsgButtons::Ok) {
        ASSERT_EQ(fake.messageBox.shown.size(), 1u)
            << qPrintable(fake.messageBox.texts().join('|'));
        const fakes::ShownMessage& m = fake.messageBox.shown.front();
        EXPECT_EQ(m.text, text);
        EXPECT_EQ(m.icon, icon);
        EXPECT_EQ(m.buttons, buttons);
        EXPECT_EQ(m.title, QStringLiteral("Lunavik"));
    }
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
        program.reset();
        settle();
    }
};

#include "program_fixture.h"

#include "build_config.h"
#include "shell/setting_encoding.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>

QStringList Texts(std::initializer_list<const char*> items) {
    QStringList out;
    for (const char* item : items)
        out << QString::fromUtf8(item);
    return out;
}

QString PageUrl(const std::string& key) {
    return QStringLiteral(LUNAVIK_SITE_BASE "/lunavik/ssd.php?page=") + QString::fromStdString(key);
}

MessageBoxReader::MessageBoxReader(Qt::Key answer) {
    connect(&m_timer, &QTimer::timeout, this, [this, answer] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                QAbstractButton* yes = box->button(QMessageBox::Yes);
                m_seen.push_back({box->text(), box->windowTitle(), box->icon(),
                                  box->standardButtons(), box->standardButton(box->defaultButton()),
                                  yes ? yes->text() : QString()});
                QTest::keyClick(box, answer);
            }
    });
    m_timer.start(10);
}

ProgramTest::ProgramTest() {
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

void ProgramTest::useRealMessageBoxes() {
    m_program.reset();
    m_withRealBoxes = std::make_unique<platform::Platform>(platform::Platform{
        m_realMessageBox, m_fake.urls, m_fake.settings, m_fake.clipboard, m_fake.clock,
        m_fake.random, m_fake.instance, m_fake.ender, m_fake.platform.appName});
    m_program = std::make_unique<TestedProgram>(*m_withRealBoxes);
}

void ProgramTest::storeReminder(const QString& date) {
    m_fake.settings.m_values[kFakeReminderKey] = setting_encoding::EncodeSetting(date);
}

void ProgramTest::type(forms::Form& form, const char* name, const QString& keys) {
    for (const QChar c : keys)
        if (c.unicode() < 0x80)
            QTest::keyClick(box(form, name)->focusProxy(), c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, box(form, name)->focusProxy(), Qt::Key_unknown,
                                QString(c), Qt::NoModifier);
}

void ProgramTest::click(forms::Form& form, const char* name) {
    QTest::mouseClick(form.Control(QLatin1String(name)), Qt::LeftButton);
}

void ProgramTest::pick(QComboBox* list, const QString& text) {
    const int index = list->findText(text, Qt::MatchExactly);
    ASSERT_GE(index, 0) << qPrintable(list->objectName()) << " has no item " << qPrintable(text);
    list->setCurrentIndex(index);
}

void ProgramTest::startWithJohnSmith() {
    start();
    type(main(), "txtFirstName", QStringLiteral("john"));
    type(main(), "txtLastName", QStringLiteral("smith"));
}

void ProgramTest::startAndNext() {
    startWithJohnSmith();
    click(main(), "cmdNext");
    ASSERT_TRUE(result().IsVisible());
}

void ProgramTest::expectMessage(const QString& text, platform::MsgIcon icon,
                                platform::MsgButtons buttons) {
    auto& pending = m_fake.messageBox.m_pending;
    ASSERT_FALSE(pending.empty()) << "no message box shown; expected " << qPrintable(text);
    const fakes::ShownMessage m = pending.front();
    pending.pop_front();
    EXPECT_EQ(m.text, text);
    EXPECT_EQ(m.icon, icon);
    EXPECT_EQ(m.buttons, buttons);
    EXPECT_EQ(m.title, QStringLiteral("Lunavik"));
}

void ProgramTest::expectReminder() {
    expectMessage(QStringLiteral("There maybe an update to this software available\r"
                                 "Do you want to check for an update?"),
                  platform::MsgIcon::Information, platform::MsgButtons::YesNo);
}

QStringList ProgramTest::takeMessages() {
    QStringList texts;
    for (const fakes::ShownMessage& m : m_fake.messageBox.m_pending)
        texts << m.text;
    m_fake.messageBox.m_pending.clear();
    return texts;
}

QWidget* ProgramTest::onTopAt(const forms::Form& form, const char* name) {
    QWidget* c = form.Control(QLatin1String(name));
    return c->parentWidget()->childAt(c->geometry().center());
}

QString ProgramTest::focusedControl(const forms::Form& form) {
    for (QWidget* w = form.Window()->focusWidget(); w; w = w->parentWidget())
        if (!w->objectName().isEmpty() && form.Control(w->objectName()) == w)
            return w->objectName();
    return {};
}

void ProgramTest::activate(QWidget* window) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

void ProgramTest::settle() {
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

void ProgramTest::TearDown() {
    EXPECT_EQ(takeMessages(), QStringList()) << "message boxes the test did not expect";
    m_program.reset();
    settle();
}

#include "forms/announcements.h"

#include "forms/controls.h"
#include "forms/design.h"
#include "forms/text_box.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QEvent>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace forms {

namespace {

// Qt 6.4 offers no way to hold back one object's events: an update handler replaces the
// platform's delivery as a whole. So a handler of ours filters, and hands each event it lets
// through on: to the handler it replaced, or to the platform by putting that handler back for the
// one call. It can go once QAccessible can mute one object, or once Orca (43 here) says a box that
// changed on focus as it says any other: remove the Unheard in text_box.cpp, and the end-to-end
// test tells whether the exit screen's hint boxes are still said as they take the focus.
std::vector<const QObject*> g_unheard;
QAccessible::UpdateHandler g_replaced = nullptr;

void passHeard(QAccessibleEvent* event) {
    if (std::find(g_unheard.begin(), g_unheard.end(), event->object()) != g_unheard.end())
        return;
    if (g_replaced)
        return g_replaced(event);
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&passHeard);
}

// A value picked from the dropped-down part is left alone: the list, focused again as the part
// closes, says it anyway. The part exists only once it has been dropped down, so it is watched
// from the moment it is made.
class ValueAnnouncer : public QObject {
public:
    explicit ValueAnnouncer(QComboBox* combo) : QObject(combo), m_combo(combo) {
        combo->installEventFilter(this);
        connect(combo, &QComboBox::currentTextChanged, this, &ValueAnnouncer::changed);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_combo && event->type() == QEvent::ChildAdded) {
            if (auto* part = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child()))
                part->installEventFilter(this);
        } else if (watched != m_combo && event->type() == QEvent::Hide) {
            m_closing = true;
            QTimer::singleShot(0, this, [this] { m_closing = false; });
        }
        return false;
    }

private:
    void changed(const QString& now) {
        if (m_closing || !QAccessible::isActive())
            return;
        const auto* view = m_combo->findChild<QAbstractItemView*>();
        if (view && view->isVisible())
            return;
        QAccessibleTextInsertEvent event(m_combo, 0, now);
        QAccessible::updateAccessibility(&event);
    }

    QComboBox* m_combo;
    bool m_closing = false;
};

QString firstLine(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == QLatin1Char('\r') || text[i] == QLatin1Char('\n'))
            return text.left(i);
    return text;
}

} // namespace

void InstallAnnouncementFilter() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    g_replaced = QAccessible::installUpdateHandler(&passHeard);
}

Unheard::Unheard(const QObject* object) { g_unheard.push_back(object); }

Unheard::~Unheard() { g_unheard.pop_back(); }

void AnnounceValueChanges(QComboBox* combo) { new ValueAnnouncer(combo); }

void DescribeWindowBy(QWidget* window, FormTextBox* box) {
    auto describe = [window, box] { window->setAccessibleDescription(firstLine(box->Text())); };
    QObject::connect(box, &FormTextBox::Change, window, describe);
    describe();
}

void DescribeWindowBy(QWidget* window, const FormLabel* label) {
    window->setAccessibleDescription(StripAccessKeys(label->Caption()));
}

} // namespace forms

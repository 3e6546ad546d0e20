#include "forms/announcements.h"

#include "forms/controls.h"
#include "forms/design.h"
#include "forms/text_box.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QEvent>
#include <QTimer>

namespace forms {

namespace {

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

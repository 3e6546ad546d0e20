#include "platform/accessibility.h"

#include "platform/controls.h"
#include "platform/design.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace accessibility {

namespace {

// A widget's shown text as a read-only text interface: screen readers read a label's or a
// list's text through it rather than through its name.
class ShownText : public QAccessibleTextInterface {
public:
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
        const bool whole = selectionIndex == 0 && selectionCount() == 1;
        *startOffset = 0;
        *endOffset = whole ? characterCount() : 0;
    }
    int selectionCount() const override { return wholeSelected() && characterCount() > 0 ? 1 : 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override {
        const QString all = shown();
        if (endOffset < 0 || endOffset > all.size())
            endOffset = int(all.size()); // -1 asks for the rest
        startOffset = qBound(0, startOffset, endOffset);
        return all.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(shown().size()); }
    // Without a layout of its own, every character lies somewhere in the widget.
    QRect characterRect(int offset) const override {
        if (offset < 0 || offset >= characterCount())
            return {};
        return QRect(owner()->mapToGlobal(QPoint(0, 0)), owner()->size());
    }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

protected:
    virtual QString shown() const = 0;
    virtual const QWidget* owner() const = 0;
    // A list shows its current item highlighted as a whole.
    virtual bool wholeSelected() const { return false; }
};

// Lies under a later sibling that hides it completely, as one offer label lies under the other.
bool covered(const QWidget* w) {
    const QWidget* parent = w->parentWidget();
    if (!parent || w->isWindow())
        return false;
    const QObjectList& siblings = parent->children();
    for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(w)) + 1; i < siblings.size(); ++i) {
        const auto* above = qobject_cast<const QWidget*>(siblings.at(i));
        if (above && !above->isWindow() && above->isVisibleTo(parent) &&
            above->geometry().contains(w->geometry()))
            return true;
    }
    return false;
}

// A top-level window: a frame, or a dialog when it belongs to another window.
class WindowInterface : public QAccessibleWidget {
public:
    explicit WindowInterface(QWidget* w) : QAccessibleWidget(w, QAccessible::Window) {}
    QAccessible::Role role() const override {
        return widget()->windowType() == Qt::Dialog ? QAccessible::Dialog : QAccessible::Window;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.modal = widget()->isModal();
        return s;
    }
};

// A label reads as its visible text; a name given in the design only describes it. A link label
// is a link whose press does what a click does.
class LabelInterface : public QAccessibleWidget, public ShownText {
public:
    explicit LabelInterface(forms::FormLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QAccessible::Role role() const override {
        return label()->IsLink() ? QAccessible::Link : QAccessible::StaticText;
    }
    using ShownText::text;
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return shown();
        if (t == QAccessible::Description)
            return widget()->accessibleDescription();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (covered(widget()))
            s.invisible = true;
        s.linked = label()->IsLink();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QStringList actionNames() const override {
        return label()->IsLink() ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& actionName) override {
        if (label()->IsLink() && actionName == pressAction())
            emit label()->Click();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

protected:
    QString shown() const override { return forms::StripAccessKeys(label()->Caption()); }
    const QWidget* owner() const override { return widget(); }

private:
    forms::FormLabel* label() const { return static_cast<forms::FormLabel*>(widget()); }
};

// A drop-down list without typing: named by its accessible name, valued by its current item.
// Qt on Linux names it by its current item instead, which leaves several lists indistinguishable.
class ListInterface : public QAccessibleWidget, public ShownText {
public:
    explicit ListInterface(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    using ShownText::text;
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && !widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        if (t == QAccessible::Name || t == QAccessible::Value)
            return combo()->currentText();
        return QAccessibleWidget::text(t);
    }
    // The drop-down part, as Qt's own interface has it.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(combo()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == combo()->view() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = combo()->view()->isVisible();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& actionName) override {
        if (actionName != showMenuAction() && actionName != pressAction())
            return;
        if (combo()->view()->isVisible())
            combo()->hidePopup();
        else
            combo()->showPopup();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

protected:
    QString shown() const override { return combo()->currentText(); }
    const QWidget* owner() const override { return widget(); }
    bool wholeSelected() const override { return true; }

private:
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
};

// A single-line text box. Qt's own interface reports every character as a text-attribute run of
// its own that ends where it starts; a screen reader that splits the text at those runs (Orca
// does, to pick a voice per language) then drops the last character of what it reads: "JOH" for
// JOHN. This one reports the whole text as one run and is otherwise what Qt's own is.
class LineEditInterface : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
public:
    explicit LineEditInterface(QLineEdit* edit)
        : QAccessibleWidget(edit, QAccessible::EditableText) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return edit()->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = edit()->isReadOnly();
        s.editable = !edit()->isReadOnly();
        s.selectableText = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && edit()->hasSelectedText()) {
            *startOffset = edit()->selectionStart();
            *endOffset = *startOffset + edit()->selectionLength();
        }
    }
    int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int) override { edit()->deselect(); }
    void setSelection(int, int startOffset, int endOffset) override {
        edit()->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
    QString text(int startOffset, int endOffset) const override {
        const QString all = edit()->text();
        if (endOffset < 0 || endOffset > all.size())
            endOffset = int(all.size());
        startOffset = qBound(0, startOffset, endOffset);
        return all.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(edit()->text().size()); }
    // Measured from the text's left edge, as the box shows a text that fits.
    QRect characterRect(int offset) const override {
        const QString all = edit()->text();
        if (offset < 0 || offset >= all.size())
            return {};
        const QFontMetrics metrics(edit()->font());
        const QRect inside = edit()->contentsRect().marginsRemoved(edit()->textMargins());
        const int x = inside.left() + metrics.horizontalAdvance(all.left(offset));
        const QRect local(x, inside.top(), metrics.horizontalAdvance(all.at(offset)),
                          inside.height());
        return QRect(edit()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
    }
    void scrollToSubstring(int startIndex, int) override { edit()->setCursorPosition(startIndex); }
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    void deleteText(int startOffset, int endOffset) override {
        replaceText(startOffset, endOffset, {});
    }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString& text) override {
        if (edit()->isReadOnly())
            return;
        edit()->setText(edit()->text().replace(startOffset, endOffset - startOffset, text));
    }

private:
    QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }
};

// Says a drop-down list's new value as text arriving selected: screen readers say that in the
// focused list, where a changed name or selection goes unsaid. A value picked from the dropped
// down part is left alone: the list, focused again as the part closes, says it anyway.
class ValueAnnouncer : public QObject {
public:
    explicit ValueAnnouncer(QComboBox* combo) : QObject(combo), m_combo(combo) {
        combo->view()->parentWidget()->installEventFilter(this);
        connect(combo, &QComboBox::currentTextChanged, this, &ValueAnnouncer::changed);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide) {
            m_closing = true;
            QTimer::singleShot(0, this, [this] { m_closing = false; });
        }
        return false;
    }

private:
    void changed(const QString& now) {
        if (m_closing || m_combo->view()->isVisible())
            return;
        QAccessibleTextInsertEvent event(m_combo, 0, now);
        QAccessible::updateAccessibility(&event);
    }

    QComboBox* m_combo;
    bool m_closing = false;
};

QAccessibleInterface* factory(const QString& key, QObject* object) {
    if (key == QLatin1String("forms::FormWindow"))
        return new WindowInterface(static_cast<QWidget*>(object));
    if (key == QLatin1String("forms::FormLabel"))
        return new LabelInterface(static_cast<forms::FormLabel*>(object));
    if (key == QLatin1String("QLineEdit")) {
        auto* edit = static_cast<QLineEdit*>(object);
        if (edit->echoMode() != QLineEdit::Normal)
            return nullptr; // Qt's own interface hides what is typed
        return new LineEditInterface(edit);
    }
    if (key == QLatin1String("QComboBox")) {
        auto* combo = static_cast<QComboBox*>(object);
        if (combo->isEditable())
            return nullptr; // Qt's own interface reads the typed text
        new ValueAnnouncer(combo);
        return new ListInterface(combo);
    }
    return nullptr;
}

QString firstLine(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == QLatin1Char('\r') || text[i] == QLatin1Char('\n'))
            return text.left(i);
    return text;
}

} // namespace

void Install() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(&factory);
}

namespace {

std::vector<const QObject*> g_unheard;
QAccessible::UpdateHandler g_platformHandler = nullptr;

void passHeard(QAccessibleEvent* event) {
    if (std::find(g_unheard.begin(), g_unheard.end(), event->object()) != g_unheard.end())
        return;
    // Whatever handled updates before takes this one.
    QAccessible::installUpdateHandler(g_platformHandler);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&passHeard);
}

} // namespace

Unheard::Unheard(const QObject* object) {
    if (g_unheard.empty())
        g_platformHandler = QAccessible::installUpdateHandler(&passHeard);
    g_unheard.push_back(object);
}

Unheard::~Unheard() {
    g_unheard.pop_back();
    if (g_unheard.empty())
        QAccessible::installUpdateHandler(g_platformHandler);
}

void DescribeWindowBy(QWidget* window, forms::FormTextBox* box) {
    auto describe = [window, box] { window->setAccessibleDescription(firstLine(box->Text())); };
    QObject::connect(box, &forms::FormTextBox::Change, window, describe);
    describe();
}

} // namespace accessibility

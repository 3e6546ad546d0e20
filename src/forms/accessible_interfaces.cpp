#include "forms/accessible_interfaces.h"

#include "forms/controls.h"
#include "forms/design.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>

namespace forms {

namespace {

// The part of a text an assistive technology asks for; an end of -1 asks for the rest.
QString textBetween(const QString& all, int startOffset, int endOffset) {
    if (endOffset < 0 || endOffset > all.size())
        endOffset = int(all.size());
    startOffset = qBound(0, startOffset, endOffset);
    return all.mid(startOffset, endOffset - startOffset);
}

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
        return textBetween(shown(), startOffset, endOffset);
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

// A titled frame is a group named by its title, which a screen reader says as the focus enters
// it. Qt 6.4 reads every plain widget as a filler, and Orca (43) passes over fillers in silence.
class FrameInterface : public QAccessibleWidget {
public:
    explicit FrameInterface(FormFrame* frame) : QAccessibleWidget(frame, QAccessible::Grouping) {}
    QAccessible::Role role() const override {
        return static_cast<FormFrame*>(widget())->Caption().isEmpty() ? QAccessible::Client
                                                                      : QAccessible::Grouping;
    }
};

// A label reads as its visible text; a name given in the design only describes it. A link label
// is a link whose press does what a click does.
class LabelInterface : public QAccessibleWidget, public ShownText {
public:
    explicit LabelInterface(FormLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

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
    QString shown() const override { return StripAccessKeys(label()->Caption()); }
    const QWidget* owner() const override { return widget(); }

private:
    FormLabel* label() const { return static_cast<FormLabel*>(widget()); }
};

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
// A closed list's current item, as the list's one selected child. Orca 48 says a list's value
// after Down or Up by asking the list which child is selected; the items of the dropped-down
// part live in a window of their own, where Qt 6.8's bridge gives them no parent, so Orca finds
// none and says nothing. This item is always there, in the list itself.
class CurrentItem : public QAccessibleInterface {
public:
    explicit CurrentItem(QComboBox* combo) : m_combo(combo) {}
    bool isValid() const override { return m_combo; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return m_combo ? m_combo->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_combo);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && m_combo ? m_combo->currentText() : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        return m_combo ? QRect(m_combo->mapToGlobal(QPoint(0, 0)), m_combo->size()) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.selectable = true;
        s.selected = true;
        return s;
    }

private:
    QPointer<QComboBox> m_combo;
};

// What Qt 6.8 passes on besides: the current item as the selection, and the value as the
// "valuetext" attribute, which Orca 48 reads before anything else for a list's value (it
// would otherwise say the list's name there).
class ListExtras : public QAccessibleSelectionInterface, public QAccessibleAttributesInterface {
public:
    explicit ListExtras(QComboBox* combo)
        : m_combo(combo), m_item(QAccessible::registerAccessibleInterface(new CurrentItem(combo))) {
    }
    ~ListExtras() override { QAccessible::deleteAccessibleInterface(m_item); }
    QAccessibleInterface* item() const { return QAccessible::accessibleInterface(m_item); }

    int selectedItemCount() const override { return m_combo->currentIndex() >= 0 ? 1 : 0; }
    QList<QAccessibleInterface*> selectedItems() const override {
        return selectedItemCount() ? QList<QAccessibleInterface*>{item()}
                                   : QList<QAccessibleInterface*>{};
    }
    bool select(QAccessibleInterface*) override { return false; }
    bool unselect(QAccessibleInterface*) override { return false; }
    bool selectAll() override { return false; }
    bool clear() override { return false; }

    QList<QAccessible::Attribute> attributeKeys() const override {
        return {QAccessible::Attribute::Custom};
    }
    QVariant attributeValue(QAccessible::Attribute key) const override {
        if (key != QAccessible::Attribute::Custom)
            return {};
        return QVariant::fromValue(
            QHash<QString, QString>{{QStringLiteral("valuetext"), m_combo->currentText()}});
    }

private:
    QComboBox* m_combo;
    QAccessible::Id m_item;
};
#endif

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
    // The drop-down part, as Qt's own interface has it, and where Qt passes it on, the current
    // item.
    int childCount() const override { return kChildren; }
    QAccessibleInterface* child(int index) const override {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        if (index == 1)
            return m_extras.item();
#endif
        return index == 0 ? QAccessible::queryAccessibleInterface(combo()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < kChildren; ++i)
            if (child && this->child(i) == child)
                return i;
        return -1;
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
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        if (t == QAccessible::SelectionInterface)
            return static_cast<QAccessibleSelectionInterface*>(&m_extras);
        if (t == QAccessible::AttributesInterface)
            return static_cast<QAccessibleAttributesInterface*>(&m_extras);
#endif
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
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    static constexpr int kChildren = 2;
    ListExtras m_extras{combo()};
#else
    static constexpr int kChildren = 1;
#endif
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
    using QAccessibleTextInterface::text;

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
        return textBetween(edit()->text(), startOffset, endOffset);
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

QAccessibleInterface* factory(const QString& key, QObject* object) {
    if (key == QLatin1String("forms::FormWindow"))
        return new WindowInterface(static_cast<QWidget*>(object));
    if (key == QLatin1String("forms::FormFrame"))
        return new FrameInterface(static_cast<FormFrame*>(object));
    if (key == QLatin1String("forms::FormLabel"))
        return new LabelInterface(static_cast<FormLabel*>(object));
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
        return new ListInterface(combo);
    }
    return nullptr;
}

} // namespace

void InstallAccessibleInterfaces() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(&factory);
}

} // namespace forms

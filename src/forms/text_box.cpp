#include "forms/text_box.h"

#include "forms/contrast.h"
#include "forms/light_style.h"
#include "forms/unheard.h"
#include "platform/services.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>
#include <functional>

namespace forms {

namespace {

// An editor that tells the box of a mouse release after taking it itself: it copies a mouse
// selection to the selection clipboard as it takes the release, and what the handlers then do to
// the clipboards must hold.
template <class Editor> class ReleaseAfter : public Editor {
public:
    ReleaseAfter(QWidget* box, std::function<void(Qt::MouseButton)> released)
        : Editor(box), m_released(std::move(released)) {}

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        Editor::mouseReleaseEvent(event);
        m_released(event->button());
    }

private:
    std::function<void(Qt::MouseButton)> m_released;
};

} // namespace

FormTextBox::FormTextBox(QWidget* parent) : QWidget(parent) {}

void FormTextBox::adopt(QWidget* editor) {
    m_editor = editor;
    editor->installEventFilter(this);
    editor->setCursor(Qt::IBeamCursor);
    editor->setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(editor);
    setFocusPolicy(Qt::StrongFocus);
}

void FormTextBox::SetSpokenName(const QString& name) {
    setAccessibleName(name);
    m_editor->setAccessibleName(name);
}

void FormTextBox::changeEvent(QEvent* event) {
    // The editor paints the box's inside: it shows the colours the box is given.
    if (event->type() == QEvent::PaletteChange)
        m_editor->setPalette(palette());
    QWidget::changeEvent(event);
}

void FormTextBox::paintEvent(QPaintEvent*) {
    // Flat: one thin line instead of the sunken edge.
    QPainter p(this);
    p.fillRect(rect(), m_editor->palette().color(QPalette::Base));
    // A caret alone is easily missed: the edge marks the focus too.
    const QColor edge = m_editor->hasFocus() ? FocusEdgeColour(m_editor->palette())
                                             : palette().color(QPalette::Shadow);
    DrawCrispFrame(p, rect(), edge);
}

void FormTextBox::resizeEvent(QResizeEvent*) {
    m_editor->setGeometry(rect().adjusted(1, 1, -1, -1));
}

void FormTextBox::released(Qt::MouseButton button) {
    emit MouseUp();
    if (button == Qt::LeftButton)
        emit Click();
}

bool FormTextBox::filterKey(QKeyEvent* event) {
    const QString typed = event->text();
    const Qt::KeyboardModifiers held = event->modifiers();
    // AltGr types characters ("@", "€", "[") like any other key: X11 reports it as a group
    // switch, Windows as Ctrl+Alt.
    const bool altGr = (held & Qt::GroupSwitchModifier) ||
                       ((held & Qt::ControlModifier) && (held & Qt::AltModifier));
    // Alt with a character is an access key, which a control took before the box saw it, or
    // nothing: never text, which would slip past the KeyPress handler.
    if (!altGr && (held & Qt::AltModifier) && !typed.isEmpty() && typed.at(0).isPrint())
        return true;
    // Control and Meta combinations are commands (paste, select all), not typed text.
    if (typed.size() != 1 || (!altGr && (held & (Qt::ControlModifier | Qt::MetaModifier))))
        return false;
    int code = typed.at(0).unicode();
    const int original = code;
    emit KeyPress(code);
    if (code == original)
        return false;
    if (code != 0 && !isReadOnly())
        insertTyped(QString(QChar(code)));
    return true; // the original key is consumed
}

bool FormTextBox::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        if (watched == m_editor)
            return filterKey(static_cast<QKeyEvent*>(event));
        break;
    case QEvent::FocusIn:
        if (watched == m_editor) {
            update();
            const Unheard unheard(m_editor);
            emit GotFocus();
        }
        break;
    case QEvent::FocusOut:
        if (watched == m_editor) {
            update();
            emit LostFocus();
        }
        break;
    case QEvent::MouseButtonPress:
        emit MouseDown();
        break;
    case QEvent::MouseMove:
        emit MouseMove();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

SingleLineTextBox::SingleLineTextBox(QWidget* parent)
    : FormTextBox(parent),
      m_edit(new ReleaseAfter<QLineEdit>(this, [this](Qt::MouseButton b) { released(b); })) {
    m_edit->setFrame(false);
    // Qt's own default, kept on purpose: the line edit lays out its whole text at every paint,
    // each blink of the caret included, so a pasted name of a million characters would keep a
    // core busy. A longer text is cut at this length; the number is computed from what is kept.
    m_edit->setMaxLength(32767);
    m_edit->setMouseTracking(true);
    connect(m_edit, &QLineEdit::textChanged, this, &FormTextBox::Change);
    adopt(m_edit);
}

QString SingleLineTextBox::Text() const { return m_edit->text(); }
void SingleLineTextBox::SetText(const QString& text) { m_edit->setText(text); }
void SingleLineTextBox::SetSelText(const QString& text) { m_edit->insert(text); }
void SingleLineTextBox::SetSelStart(int position) { m_edit->setCursorPosition(position); }
void SingleLineTextBox::SetReadOnly(bool readOnly) { m_edit->setReadOnly(readOnly); }
bool SingleLineTextBox::isReadOnly() const { return m_edit->isReadOnly(); }
void SingleLineTextBox::insertTyped(const QString& text) { m_edit->insert(text); }

MultiLineTextBox::MultiLineTextBox(bool verticalScroll, QWidget* parent)
    : FormTextBox(parent),
      m_edit(new ReleaseAfter<QPlainTextEdit>(this, [this](Qt::MouseButton b) { released(b); })) {
    m_edit->setFrameShape(QFrame::NoFrame);
    m_edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_edit->setVerticalScrollBarPolicy(verticalScroll ? Qt::ScrollBarAlwaysOn
                                                      : Qt::ScrollBarAlwaysOff);
    m_edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_edit->setTabChangesFocus(true);
    // Mouse events arrive at the viewport, not at the editor around it.
    m_edit->viewport()->setMouseTracking(true);
    m_edit->viewport()->installEventFilter(this);
    connect(m_edit, &QPlainTextEdit::textChanged, this, &FormTextBox::Change);
    adopt(m_edit);
}

QString MultiLineTextBox::Text() const {
    QString text = m_edit->toPlainText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

void MultiLineTextBox::SetText(const QString& text) {
    m_edit->setPlainText(platform::LineFeedsOnly(text));
}

void MultiLineTextBox::SetSelText(const QString& text) {
    QTextCursor cursor = m_edit->textCursor();
    cursor.insertText(platform::LineFeedsOnly(text));
    m_edit->setTextCursor(cursor);
}

void MultiLineTextBox::SetSelStart(int position) {
    // Each block before the caret counts its text and the two characters of its line break.
    QTextDocument* doc = m_edit->document();
    QTextBlock block = doc->begin();
    int remaining = position;
    while (block.isValid() && remaining > block.length() - 1 + 2 && block.next().isValid()) {
        remaining -= block.length() - 1 + 2;
        block = block.next();
    }
    QTextCursor cursor(doc);
    cursor.setPosition(block.position() + std::min(remaining, block.length() - 1));
    m_edit->setTextCursor(cursor);
    m_edit->ensureCursorVisible();
    if (position == 0)
        m_edit->verticalScrollBar()->setValue(0);
}

void MultiLineTextBox::SetReadOnly(bool readOnly) {
    m_edit->setReadOnly(readOnly);
    if (readOnly)
        m_edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

bool MultiLineTextBox::isReadOnly() const { return m_edit->isReadOnly(); }
void MultiLineTextBox::insertTyped(const QString& text) { m_edit->insertPlainText(text); }

} // namespace forms

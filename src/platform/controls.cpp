#include "platform/controls.h"
#include "platform/accessibility.h"
#include "platform/design.h"
#include "platform/desktop_look.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <limits>

namespace forms {

namespace {
QString ToStoredBreaks(QString text) {
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

// Word wrapping here lets a run of spaces hang past the line end; the designs use such runs to
// push the following text onto a new line, so the run is kept together as one wide word.
QString KeepSpaceRuns(QString text) {
    for (qsizetype i = 1; i + 1 < text.size(); ++i)
        if (text[i] == QLatin1Char(' ') && text[i + 1] == QLatin1Char(' ') &&
            (text[i - 1] == QLatin1Char(' ') || text[i - 1] == QChar::Nbsp))
            text[i] = QChar::Nbsp;
    return text;
}
} // namespace

FormLabel::FormLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void FormLabel::SetCaption(const QString& caption) {
    // A label named after its caption keeps telling screen readers what it shows.
    if (accessibleName().isEmpty() || accessibleName() == StripAccessKeys(m_caption))
        setAccessibleName(StripAccessKeys(caption));
    m_caption = caption;
    int marked = -1;
    const QString shown = KeepSpaceRuns(StripAccessKeys(caption, &marked));
    if (marked < 0) {
        setTextFormat(Qt::PlainText);
        setText(shown);
    } else {
        setTextFormat(Qt::RichText);
        setText(shown.left(marked).toHtmlEscaped() + QLatin1String("<u>") +
                shown.mid(marked, 1).toHtmlEscaped() + QLatin1String("</u>") +
                shown.mid(marked + 1).toHtmlEscaped());
    }
    if (m_autoSize)
        resize(sizeHint());
}

void FormLabel::SetAutoSize(bool on) {
    m_autoSize = on;
    if (on) {
        setWordWrap(false);
        resize(sizeHint());
    }
}

void FormLabel::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void FormLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit Click();
}

FormFrame::FormFrame(QWidget* parent) : QWidget(parent) { setAutoFillBackground(true); }

void FormFrame::SetCaption(const QString& caption) {
    m_caption = caption;
    update();
}

void FormFrame::SetFlat(bool flat) {
    m_flat = flat;
    update();
}

void FormFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QFontMetrics fm(font());
    const QString title = StripAccessKeys(m_caption);
    // The border runs through the middle of the caption line, as frames traditionally do.
    const int top = title.isEmpty() ? 0 : fm.height() / 2;
    const QRect box = rect().adjusted(0, top, 0, 0);
    if (m_flat) {
        DrawCrispFrame(p, box, palette().color(QPalette::WindowText));
    } else {
        DrawCrispFrame(p, box.adjusted(1, 1, 0, 0), palette().color(QPalette::Light));
        DrawCrispFrame(p, box.adjusted(0, 0, -1, -1), palette().color(QPalette::Dark));
    }
    if (!title.isEmpty()) {
        const int width = fm.horizontalAdvance(title);
        QRect text(8, 0, width + 4, fm.height());
        p.fillRect(text, palette().color(QPalette::Window));
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(text, Qt::AlignCenter, title);
    }
}

FormTextBox::FormTextBox(bool multiLine, bool verticalScroll, QWidget* parent) : QWidget(parent) {
    QWidget* editor = nullptr;
    if (multiLine) {
        m_plain = new QPlainTextEdit(this);
        m_plain->setFrameShape(QFrame::NoFrame);
        m_plain->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        m_plain->setVerticalScrollBarPolicy(verticalScroll ? Qt::ScrollBarAlwaysOn
                                                           : Qt::ScrollBarAlwaysOff);
        m_plain->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_plain->setTabChangesFocus(true);
        m_plain->viewport()->setMouseTracking(true);
        m_plain->viewport()->installEventFilter(this);
        connect(m_plain, &QPlainTextEdit::textChanged, this, &FormTextBox::Change);
        editor = m_plain;
    } else {
        m_line = new QLineEdit(this);
        m_line->setFrame(false);
        m_line->setMaxLength(std::numeric_limits<int>::max()); // no length limit on names
        m_line->setMouseTracking(true);
        connect(m_line, &QLineEdit::textChanged, this, &FormTextBox::Change);
        editor = m_line;
    }
    editor->installEventFilter(this);
    editor->setCursor(Qt::IBeamCursor);
    editor->setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(editor);
    setFocusPolicy(Qt::StrongFocus);
}

QWidget* FormTextBox::editor() const {
    return m_plain ? static_cast<QWidget*>(m_plain) : static_cast<QWidget*>(m_line);
}

void FormTextBox::SetSpokenName(const QString& name) {
    setAccessibleName(name);
    editor()->setAccessibleName(name);
}

void FormTextBox::changeEvent(QEvent* event) {
    // The editor paints the box's inside: it shows the colours the box is given.
    if (event->type() == QEvent::PaletteChange)
        editor()->setPalette(palette());
    QWidget::changeEvent(event);
}

QString FormTextBox::Text() const {
    return m_plain ? ToStoredBreaks(m_plain->toPlainText()) : m_line->text();
}

void FormTextBox::SetText(const QString& text) {
    if (m_plain)
        m_plain->setPlainText(LineFeedsOnly(text));
    else
        m_line->setText(text);
}

void FormTextBox::SetSelText(const QString& text) {
    if (m_plain) {
        QTextCursor cursor = m_plain->textCursor();
        cursor.insertText(LineFeedsOnly(text));
        m_plain->setTextCursor(cursor);
    } else {
        m_line->insert(text);
    }
}

int FormTextBox::SelStart() const {
    if (m_line)
        return m_line->hasSelectedText() ? m_line->selectionStart() : m_line->cursorPosition();
    // Positions count a line break as the two characters CR LF.
    const QTextCursor cursor = m_plain->textCursor();
    const int position = cursor.selectionStart();
    return position + cursor.document()->findBlock(position).blockNumber();
}

void FormTextBox::SetSelStart(int position) {
    if (m_line) {
        m_line->setCursorPosition(position);
        return;
    }
    QTextDocument* doc = m_plain->document();
    QTextBlock block = doc->begin();
    int remaining = position;
    while (block.isValid() && remaining > block.length() - 1 + 2 && block.next().isValid()) {
        remaining -= block.length() - 1 + 2;
        block = block.next();
    }
    QTextCursor cursor(doc);
    cursor.setPosition(block.position() + std::min(remaining, block.length() - 1));
    m_plain->setTextCursor(cursor);
    m_plain->ensureCursorVisible();
    if (position == 0)
        m_plain->verticalScrollBar()->setValue(0);
}

QString FormTextBox::SelectedText() const {
    return m_plain ? ToStoredBreaks(m_plain->textCursor().selectedText()) : m_line->selectedText();
}

void FormTextBox::SetReadOnly(bool readOnly) {
    if (m_plain) {
        m_plain->setReadOnly(readOnly);
        if (readOnly)
            m_plain->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                             Qt::TextSelectableByKeyboard);
    } else {
        m_line->setReadOnly(readOnly);
    }
}

void FormTextBox::paintEvent(QPaintEvent*) {
    // Flat: one thin line instead of the sunken edge.
    QPainter p(this);
    p.fillRect(rect(), editor()->palette().color(QPalette::Base));
    // A caret alone is easily missed: the edge marks the focus too.
    const QColor edge = editor()->hasFocus() ? FocusEdgeColour(editor()->palette())
                                             : palette().color(QPalette::Shadow);
    DrawCrispFrame(p, rect(), edge);
}

void FormTextBox::resizeEvent(QResizeEvent*) {
    editor()->setGeometry(rect().adjusted(1, 1, -1, -1));
}

void FormTextBox::insertTyped(const QString& text) {
    if (m_plain)
        m_plain->insertPlainText(text);
    else
        m_line->insert(text);
}

bool FormTextBox::filterKey(QKeyEvent* event) {
    const QString typed = event->text();
    // Control, Alt and Meta combinations are commands (paste, access keys), not typed text.
    const auto commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (typed.size() != 1 || (event->modifiers() & commands))
        return false;
    int code = typed.at(0).unicode();
    const int original = code;
    emit KeyPress(code);
    if (code == original)
        return false;
    if (code != 0 && !(m_plain ? m_plain->isReadOnly() : m_line->isReadOnly()))
        insertTyped(QString(QChar(code)));
    return true; // the original key is consumed
}

bool FormTextBox::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        if (watched == editor())
            return filterKey(static_cast<QKeyEvent*>(event));
        break;
    case QEvent::FocusIn:
        if (watched == editor()) {
            update();
            const accessibility::Unheard unheard(editor());
            emit GotFocus();
        }
        break;
    case QEvent::FocusOut:
        if (watched == editor()) {
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
    case QEvent::MouseButtonRelease: {
        if (m_releasing)
            break;
        // The editor copies a mouse selection to the selection clipboard as it takes the
        // release; it takes it first, so that what the handlers do to the clipboards holds.
        {
            const QScopedValueRollback<bool> once(m_releasing, true);
            QCoreApplication::sendEvent(watched, event);
        }
        const bool left = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        emit MouseUp();
        if (left)
            emit Click();
        return true;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

FormCheckButton::FormCheckButton(QWidget* parent) : QPushButton(parent) {
    setCheckable(true);
    connect(this, &QPushButton::clicked, this, &FormCheckButton::Click);
}

void FormCheckButton::SetValue(int value) {
    const bool checked = value != 0;
    if (checked == isChecked())
        return;
    setChecked(checked);
    emit Click();
}

} // namespace forms

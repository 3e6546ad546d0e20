#include "forms/line_edit.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <algorithm>
#include <limits>

namespace forms {

LineEdit::LineEdit(QWidget* parent) : QLineEdit(parent) {
    // Qt repaints only what its own scrolling would have changed.
    auto repaint = [this] {
        if (isLong())
            update();
    };
    connect(this, &QLineEdit::cursorPositionChanged, this, repaint);
    connect(this, &QLineEdit::selectionChanged, this, repaint);
    connect(this, &QLineEdit::textChanged, this, repaint);
}

void LineEdit::paintEvent(QPaintEvent* event) {
    if (!isLong())
        return QLineEdit::paintEvent(event);
    QPainter p(this);
    p.fillRect(rect(), palette().brush(QPalette::Base));
    const QRect area = textArea();
    const int first = firstShown(area.width());
    QTextLayout layout;
    const QPointF origin = lay(layout, first, area);
    QList<QTextLayout::FormatRange> selections;
    if (hasSelectedText()) {
        const int start = std::max(selectionStart() - first, 0);
        const int end = std::min(selectionEnd() - first, int(layout.text().size()));
        if (start < end) {
            QTextCharFormat chosen;
            chosen.setBackground(palette().brush(QPalette::Highlight));
            chosen.setForeground(palette().brush(QPalette::HighlightedText));
            selections.append({start, end - start, chosen});
        }
    }
    p.setClipRect(area);
    p.setPen(palette().color(QPalette::Text));
    layout.draw(&p, origin, selections);
    // A steady caret: Qt's blinking repaints only where its own scrolling puts the caret.
    if (hasFocus() && !isReadOnly())
        layout.drawCursor(&p, origin, cursorPosition() - first);
}

void LineEdit::mousePressEvent(QMouseEvent* event) {
    if (!isLong() || (event->button() != Qt::LeftButton && event->button() != Qt::MiddleButton))
        return QLineEdit::mousePressEvent(event);
    const int position = positionAt(event->position().x());
    if (event->modifiers() & Qt::ShiftModifier) {
        m_anchor = !hasSelectedText()                     ? cursorPosition()
                   : cursorPosition() == selectionStart() ? selectionEnd()
                                                          : selectionStart();
        setSelection(m_anchor, position - m_anchor);
    } else {
        m_anchor = position;
        setCursorPosition(position);
    }
}

void LineEdit::mouseMoveEvent(QMouseEvent* event) {
    if (!isLong())
        return QLineEdit::mouseMoveEvent(event);
    if (event->buttons() & Qt::LeftButton)
        setSelection(m_anchor, positionAt(event->position().x()) - m_anchor);
}

void LineEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!isLong() || event->button() != Qt::LeftButton)
        return QLineEdit::mouseDoubleClickEvent(event);
    const QString all = text();
    const int position = positionAt(event->position().x());
    QTextBoundaryFinder words(QTextBoundaryFinder::Word, all);
    words.setPosition(position);
    const int start =
        words.isAtBoundary() && position < all.size() ? position : int(words.toPreviousBoundary());
    words.setPosition(start);
    const int end = int(words.toNextBoundary());
    m_anchor = std::max(start, 0);
    setSelection(m_anchor, std::max(end, m_anchor) - m_anchor);
}

QRect LineEdit::textArea() const {
    return contentsRect().marginsRemoved(textMargins()).adjusted(2, 1, -2, -1);
}

QPointF LineEdit::lay(QTextLayout& layout, int first, const QRect& area) const {
    layout.setText(text().mid(first, inView(area.width())));
    layout.setFont(font());
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(std::numeric_limits<int>::max() / 256);
    layout.endLayout();
    const QFontMetrics metrics(font());
    return QPointF(area.left(), area.top() + (area.height() - metrics.height() + 1) / 2);
}

int LineEdit::firstShown(int width) {
    const int caret = cursorPosition();
    m_first = std::clamp(m_first, 0, int(text().size()));
    if (caret < m_first)
        return m_first = caret;
    const int from = std::max(m_first, caret - inView(width));
    QTextLayout layout(text().mid(from, caret - from), font());
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(std::numeric_limits<int>::max() / 256);
    layout.endLayout();
    const qreal end = line.cursorToX(caret - from);
    int first = from;
    // Whole characters at a time: a surrogate pair or a cluster is never cut at the edge.
    while (first < caret && end - line.cursorToX(first - from) > width - 1)
        first = from + layout.nextCursorPosition(first - from);
    return m_first = first;
}

int LineEdit::positionAt(qreal x) {
    const QRect area = textArea();
    const int first = firstShown(area.width());
    QTextLayout layout;
    const QPointF origin = lay(layout, first, area);
    return first + layout.lineAt(0).xToCursor(x - origin.x());
}

} // namespace forms

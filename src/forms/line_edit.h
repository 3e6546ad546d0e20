#pragma once

#include <QLineEdit>

class QTextLayout;

namespace forms {

// The single-line text box's editor. Qt's line edit measures, lays out and draws its whole text at
// every paint, each blink of the caret included: with a pasted name of a million characters every
// paint takes a tenth of a second or more. A text longer than any box can show is painted here
// instead, only the part in view, and the mouse is mapped to that part; editing, keys and the
// clipboard stay Qt's.
class LineEdit : public QLineEdit {
public:
    explicit LineEdit(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // Longer than any box of these windows can show at once.
    bool isLong() const { return text().size() > 1000; }

    // Where Qt puts the text: inside the margins, centred in height.
    QRect textArea() const;

    // At most as many characters as pixels (and a few more): none is narrower than that.
    int inView(int width) const { return width + 8; }

    // Lays out the characters in view from first; returns where the layout's line starts.
    QPointF lay(QTextLayout& layout, int first, const QRect& area) const;

    // The first character in view: kept where it was while the caret stays in view, otherwise
    // moved just so far that the caret shows at the edge it left by.
    int firstShown(int width);

    int positionAt(qreal x);

    int m_first = 0;
    int m_anchor = 0;
};

} // namespace forms

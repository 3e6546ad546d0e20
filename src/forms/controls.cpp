#include "forms/controls.h"
#include "forms/design.h"
#include "forms/fonts.h"
#include "forms/light_style.h"

#include <QMouseEvent>
#include <QPainter>

namespace forms {

namespace {
// Word wrapping here lets a run of spaces hang past the line end; the designs use such runs to
// push the following text onto a new line, so the run is kept together as one wide word.
QString keepSpaceRuns(QString text) {
    for (qsizetype i = 1; i + 1 < text.size(); ++i)
        if (text[i] == QLatin1Char(' ') && text[i + 1] == QLatin1Char(' ') &&
            (text[i - 1] == QLatin1Char(' ') || text[i - 1] == QChar::Nbsp))
            text[i] = QChar::Nbsp;
    return text;
}

// A host name wraps as one word: a word joiner after each hyphen of a word with a dot inside it
// ("www.orvaneth-forum.example") takes away the line break there, which would leave half an
// address at a line's end.
QString keepHostNamesWhole(const QString& text) {
    QStringList words = text.split(QLatin1Char(' '));
    for (QString& word : words) {
        const qsizetype dot = word.indexOf(QLatin1Char('.'));
        if (dot > 0 && dot + 1 < word.size() && word[dot + 1].isLetterOrNumber())
            word.replace(QLatin1Char('-'), QStringLiteral("-\u2060"));
    }
    return words.join(QLatin1Char(' '));
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
    const QString shown = keepSpaceRuns(StripAccessKeys(caption, &marked));
    if (marked < 0) {
        setTextFormat(Qt::PlainText);
        setText(keepHostNamesWhole(shown));
    } else {
        setTextFormat(Qt::RichText);
        setText(keepHostNamesWhole(shown.left(marked)).toHtmlEscaped() + QLatin1String("<u>") +
                shown.mid(marked, 1).toHtmlEscaped() + QLatin1String("</u>") +
                keepHostNamesWhole(shown.mid(marked + 1)).toHtmlEscaped());
    }
    m_shown = keepHostNamesWhole(shown);
    fitCaption();
}

void FormLabel::SetAutoSize(bool on) {
    if (on == m_autoSize)
        return;
    m_autoSize = on;
    setWordWrap(!on);
    fitCaption();
}

// Within what its container shows of it: an auto-sized label may grow up to the container's
// edge, a wrapped one has its lines. Measured when it is first shown: a start lays out many
// labels that stay hidden.
void FormLabel::fitCaption() {
    if (!m_designFont)
        m_designFont = font();
    m_unfitted = !isVisible() || !parentWidget();
    if (m_unfitted) {
        if (m_autoSize)
            resize(sizeHint());
        return;
    }
    const QRect visible = geometry() & parentWidget()->rect();
    const qreal room = parentWidget()->width() - x() - 2 * margin();
    FitFont(this, *m_designFont, [&](const QFontMetricsF& fm) {
        if (m_autoSize)
            return fm.boundingRect(QRectF(0, 0, 1e6, 1e6), 0, m_shown).width() <= room;
        const QRectF needed =
            fm.boundingRect(QRectF(0, 0, width(), 1e6), Qt::TextWordWrap, m_shown);
        return needed.width() <= visible.width() + 0.5 && needed.height() <= visible.height() + 0.5;
    });
    if (m_autoSize)
        resize(sizeHint());
}

void FormLabel::showEvent(QShowEvent* event) {
    if (m_unfitted)
        fitCaption();
    QLabel::showEvent(event);
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
    // Fitted to the frame's size and font, which come first. Children take the frame's font
    // only where their design names none.
    if (!m_designFont)
        m_designFont = font();
    const QString title = StripAccessKeys(caption);
    FitFont(this, *m_designFont, [&](const QFontMetricsF& fm) {
        return title.isEmpty() || fm.horizontalAdvance(title) + 12 <= width(); // as painted
    });
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

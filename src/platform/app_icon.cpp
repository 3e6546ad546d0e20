#include "platform/app_icon.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QResource>

namespace platform {

QImage DrawApplicationIcon(int size) {
    QImage image(size, size, QImage::Format_RGB888); // 24-bit, no transparency
    QPainter p(&image);
    PaintApplicationIcon(p, size);
    return image;
}

void PaintApplicationIcon(QPainter& p, int size) {
    p.fillRect(QRect(0, 0, size, size), QColor(0, 84, 92));
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const qreal s = size / 32.0;

    QPen frame(Qt::white);
    frame.setWidthF(std::max(1.0, s));
    p.setPen(frame);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2.5 * s, 2.5 * s, 27 * s, 27 * s), 4 * s, 4 * s);

    QFont font(QStringLiteral("DejaVu Serif"));
    font.setStyleHint(QFont::Serif);
    font.setBold(true);
    font.setPixelSize(qRound(22 * s));
    QPainterPath letter;
    letter.addText(0, 0, font, QStringLiteral("D"));
    const QRectF bounds = letter.boundingRect();
    letter.translate(size / 2.0 - bounds.center().x(), size / 2.0 - bounds.center().y());
    QLinearGradient silver(0, 6 * s, 0, 26 * s);
    silver.setColorAt(0, QColor(236, 238, 240));
    silver.setColorAt(0.5, QColor(184, 188, 194));
    silver.setColorAt(1, QColor(142, 147, 154));
    p.setPen(Qt::NoPen);
    p.setBrush(silver);
    p.drawPath(letter);
}

QIcon ApplicationIcon() {
    // Built once, from the sizes a title bar and a task bar use: every size given here is
    // decoded at once and sent to the display with each window. The larger renderings are
    // for the installed desktop icons.
    static const QIcon icon = [] {
        QIcon sizes;
        // Bare pixels: reading a PNG would load every image format plugin first.
        for (int size : {32, 48}) {
            const QByteArray pixels =
                QResource(QStringLiteral(":/icons/%1/lunavik.rgb").arg(size)).uncompressedData();
            if (pixels.size() != size * size * 3)
                continue;
            const QImage image(reinterpret_cast<const uchar*>(pixels.constData()), size, size,
                               size * 3, QImage::Format_RGB888);
            sizes.addPixmap(QPixmap::fromImage(image.copy()));
        }
        return sizes;
    }();
    return icon;
}

} // namespace platform

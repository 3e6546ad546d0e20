// Renders the application icon into resources/icons/<size>/lunavik.png (and, for the window
// icon sizes, lunavik.rgb: rows of 24-bit pixels), resources/icons/scalable/lunavik.svg, and
// the 32-pixel image into resources/lunavik.ico for the Windows executable.
// Run after changing the drawing: render_icon <resources folder>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <cstdio>

namespace {

// The application icon: a dark teal square, a thin white frame with rounded corners and a
// silver serif capital D, on any paint device of size by size pixels.
void paintApplicationIcon(QPainter& p, int size);

QImage drawApplicationIcon(int size) {
    QImage image(size, size, QImage::Format_RGB888); // 24-bit, no transparency
    QPainter p(&image);
    paintApplicationIcon(p, size);
    return image;
}

void paintApplicationIcon(QPainter& p, int size) {
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

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString root = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources");
    // 16 to 24 for menus and panels, 32 and up for windows, launchers and software centres.
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/icons/%2").arg(root).arg(size);
        QDir().mkpath(folder);
        const QImage image = drawApplicationIcon(size);
        if (!image.save(folder + QStringLiteral("/lunavik.png"))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(folder));
            return 1;
        }
        // The window icons also as bare pixels, which the program takes without decoding.
        if (size == 32 || size == 48) {
            QFile raw(folder + QStringLiteral("/lunavik.rgb"));
            if (!raw.open(QIODevice::WriteOnly))
                return 1;
            for (int y = 0; y < size; ++y)
                raw.write(reinterpret_cast<const char*>(image.constScanLine(y)), size * 3);
        }
    }
    // Drawn at the largest size, where the frame's line width has the proportions it keeps
    // when scaled.
    const int svgSize = 256;
    const QString svgFolder = root + QStringLiteral("/icons/scalable");
    QDir().mkpath(svgFolder);
    QSvgGenerator svg;
    svg.setFileName(svgFolder + QStringLiteral("/lunavik.svg"));
    svg.setSize(QSize(svgSize, svgSize));
    svg.setViewBox(QRect(0, 0, svgSize, svgSize));
    svg.setTitle(QStringLiteral("Lunavik"));
    {
        QPainter painter;
        if (!painter.begin(&svg)) {
            std::fprintf(stderr, "cannot write the .svg file\n");
            return 1;
        }
        paintApplicationIcon(painter, svgSize);
    }
    if (!drawApplicationIcon(32).save(root + QStringLiteral("/lunavik.ico"), "ICO")) {
        std::fprintf(stderr, "cannot write the .ico file\n");
        return 1;
    }
    return 0;
}

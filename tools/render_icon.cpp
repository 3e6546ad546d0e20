// Renders the application icon into resources/icons/<size>/lunavik.png (and, for the window
// icon sizes, lunavik.rgb: rows of 24-bit pixels), resources/icons/scalable/lunavik.svg, and
// resources/lunavik.ico with the sizes Windows asks for, for the executable and the installer.
// Run after changing the drawing: render_icon <resources folder>
#include <QBuffer>
#include <QDataStream>
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

// One image of a Windows icon file: PNG from 256 pixels up, as Windows stores them since Vista;
// below that a bottom-up 32-bit DIB of twice the height (the colours, then the 1-bit AND mask,
// all clear since every pixel is opaque), which every part of Windows reads.
QByteArray windowsIconImage(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.width() >= 256) {
        image.save(&buffer, "PNG");
        return bytes;
    }
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const int width = argb.width(), height = argb.height();
    const int maskRowBytes = (width + 31) / 32 * 4;
    QDataStream out(&buffer);
    out.setByteOrder(QDataStream::LittleEndian);
    // BITMAPINFOHEADER: size, width, height of colours and mask, planes, bits per pixel,
    // BI_RGB, image bytes, resolution, palette.
    out << quint32(40) << qint32(width) << qint32(2 * height) << quint16(1) << quint16(32)
        << quint32(0) << quint32(height * (width * 4 + maskRowBytes)) << qint32(0) << qint32(0)
        << quint32(0) << quint32(0);
    for (int y = height - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < width; ++x)
            out << quint32(line[x]); // 0xAARRGGBB, little-endian: blue, green, red, alpha
    }
    bytes.append(QByteArray(height * maskRowBytes, '\0'));
    return bytes;
}

// An ICONDIR with one entry per size, each followed by its image.
bool writeWindowsIcon(const QString& path, std::initializer_list<int> sizes) {
    QList<QByteArray> images;
    for (int size : sizes)
        images.append(windowsIconImage(drawApplicationIcon(size)));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = 6 + 16 * images.size();
    auto image = images.cbegin();
    for (int size : sizes) {
        // Width and height in a byte each, 0 standing for 256; no palette; planes; bit count.
        out << quint8(size % 256) << quint8(size % 256) << quint8(0) << quint8(0) << quint16(1)
            << quint16(32) << quint32(image->size()) << offset;
        offset += image->size();
        ++image;
    }
    for (const QByteArray& bytes : images)
        out.writeRawData(bytes.constData(), int(bytes.size()));
    return out.status() == QDataStream::Ok && file.flush();
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
    // Explorer's views, the taskbar, the Start menu and the title bar at 100 to 200 % scale.
    if (!writeWindowsIcon(root + QStringLiteral("/lunavik.ico"),
                          {16, 20, 24, 32, 40, 48, 64, 256})) {
        std::fprintf(stderr, "cannot write the .ico file\n");
        return 1;
    }
    return 0;
}

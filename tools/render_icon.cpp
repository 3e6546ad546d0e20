// Renders the application icon into resources/icons/<size>/lunavik.png (and, for the window
// icon sizes, lunavik.rgb: rows of 24-bit pixels), resources/icons/scalable/lunavik.svg, and
// the 32-pixel image into resources/lunavik.ico for the Windows executable.
// Run after changing the drawing: render_icon <resources folder>
#include "platform/app_icon.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString root = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources");
    // 16 to 24 for menus and panels, 32 and up for windows, launchers and software centres.
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/icons/%2").arg(root).arg(size);
        QDir().mkpath(folder);
        const QImage image = platform::DrawApplicationIcon(size);
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
        platform::PaintApplicationIcon(painter, svgSize);
    }
    if (!platform::DrawApplicationIcon(32).save(root + QStringLiteral("/lunavik.ico"), "ICO")) {
        std::fprintf(stderr, "cannot write the .ico file\n");
        return 1;
    }
    return 0;
}

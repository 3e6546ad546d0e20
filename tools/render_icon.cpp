// Renders the application icon into resources/icons/<size>/lunavik.png (and, for the window
// icon sizes, lunavik.rgb: rows of 24-bit pixels), and the 32-pixel
// image into resources/lunavik.ico for the Windows executable.
// Run after changing the drawing: render_icon <resources folder>
#include "platform/app_icon.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString root = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources");
    for (int size : {32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/icons/%2").arg(root).arg(size);
        QDir().mkpath(folder);
        const QImage image = platform::DrawApplicationIcon(size);
        if (!image.save(folder + QStringLiteral("/lunavik.png"))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(folder));
            return 1;
        }
        // The window icons also as bare pixels, which the program takes without decoding.
        if (size <= 48) {
            QFile raw(folder + QStringLiteral("/lunavik.rgb"));
            if (!raw.open(QIODevice::WriteOnly))
                return 1;
            for (int y = 0; y < size; ++y)
                raw.write(reinterpret_cast<const char*>(image.constScanLine(y)), size * 3);
        }
    }
    if (!platform::DrawApplicationIcon(32).save(root + QStringLiteral("/lunavik.ico"), "ICO")) {
        std::fprintf(stderr, "cannot write the .ico file\n");
        return 1;
    }
    return 0;
}

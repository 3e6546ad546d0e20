// Renders the application icon into resources/icons/<size>/lunavik.png, and the 32-pixel
// image into resources/lunavik.ico for the Windows executable.
// Run after changing the drawing: render_icon <resources folder>
#include "platform/app_icon.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString root = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources");
    for (int size : {32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/icons/%2").arg(root).arg(size);
        QDir().mkpath(folder);
        if (!platform::DrawApplicationIcon(size).save(folder + QStringLiteral("/lunavik.png"))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    if (!platform::DrawApplicationIcon(32).save(root + QStringLiteral("/lunavik.ico"), "ICO")) {
        std::fprintf(stderr, "cannot write the .ico file\n");
        return 1;
    }
    return 0;
}

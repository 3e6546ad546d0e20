#include "platform/app_icon.h"

#include <QImage>
#include <QResource>

namespace platform {

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

#include "platform/light_style.h"

#include <QPainter>
#include <QPixmap>

namespace platform {

QIcon LightStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                               const QWidget* widget) const {
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    QPixmap arrow(8, 8);
    arrow.fill(Qt::transparent);
    QPainter p(&arrow);
    p.setPen(QPen(Qt::black, 1.5));
    const bool horizontal = icon == SP_ToolBarHorizontalExtensionButton;
    for (int offset : {0, 4}) {
        if (horizontal)
            p.drawPolyline(QPolygonF({{offset + 1.0, 1}, {offset + 3.5, 4}, {offset + 1.0, 7}}));
        else
            p.drawPolyline(QPolygonF({{1, offset + 1.0}, {4, offset + 3.5}, {7, offset + 1.0}}));
    }
    return QIcon(arrow);
}

} // namespace platform

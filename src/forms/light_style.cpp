#include "forms/light_style.h"

#include <QPainter>
#include <QPixmap>
#include <QStyleOption>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace forms {

namespace {

const char* const kDesignedColours = "lunavikDesignedColours";

bool hasDesignedColours(const QWidget* widget) {
    return widget && widget->property(kDesignedColours).toBool();
}

// The edge of a designed control: the text colour while it has the focus, a darker shade of
// its own colour otherwise; with the focus a dotted rectangle runs inside it as well.
void drawDesignedEdge(QPainter* p, const QRect& rect, const QRect& focusArea,
                      const QPalette& palette, bool focused) {
    const QColor face = palette.color(QPalette::Button);
    const QColor text = palette.color(QPalette::ButtonText);
    DrawCrispFrame(*p, rect, focused ? text : face.darker(170));
    if (!focused)
        return;
    p->save();
    p->setPen(QPen(text, 1, Qt::DotLine));
    p->setBrush(Qt::NoBrush);
    p->drawRect(focusArea.adjusted(0, 0, -1, -1));
    p->restore();
}

} // namespace

void LightStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (element == CE_PushButton && button && (button->state & State_HasFocus)) {
        // Some styles mark the focus only once the keyboard has moved it; a window that opens
        // with the focus on a button shows it from the start.
        QStyleOptionButton marked(*button);
        marked.state |= State_KeyboardFocusChange;
        return QProxyStyle::drawControl(element, &marked, painter, widget);
    }
    if (element != CE_PushButtonBevel || !hasDesignedColours(widget))
        return QProxyStyle::drawControl(element, option, painter, widget);
    const bool down = option->state & (State_Sunken | State_On);
    const QColor face = option->palette.color(QPalette::Button);
    painter->fillRect(option->rect, down ? face.darker(115) : face);
    drawDesignedEdge(painter, option->rect, option->rect.adjusted(3, 3, -3, -3), option->palette,
                     option->state & State_HasFocus);
}

void LightStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                    QPainter* painter, const QWidget* widget) const {
    const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    if (control != CC_ComboBox || !combo || !hasDesignedColours(widget))
        return QProxyStyle::drawComplexControl(control, option, painter, widget);
    const QColor face = combo->palette.color(QPalette::Button);
    const QColor text = combo->palette.color(QPalette::ButtonText);
    painter->fillRect(combo->rect, face);
    const QRect arrow = subControlRect(CC_ComboBox, combo, SC_ComboBoxArrow, widget);
    const QRect field = subControlRect(CC_ComboBox, combo, SC_ComboBoxEditField, widget);
    drawDesignedEdge(painter, combo->rect, field.adjusted(-1, 1, 1, -1), combo->palette,
                     combo->state & State_HasFocus);
    // A plain down arrow in the text colour.
    const QPointF centre = QRectF(arrow).center();
    const qreal half = std::min(arrow.width(), arrow.height()) / 5.0 + 1.0;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(text);
    painter->drawPolygon(
        QPolygonF({centre + QPointF(-half, -half / 2), centre + QPointF(half, -half / 2),
                   centre + QPointF(0, half / 2 + 1)}));
    painter->restore();
}

int LightStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                          QStyleHintReturn* returnData) const {
    // A list below the box that scrolls, not a menu over it as tall as the screen.
    if (hint == SH_ComboBox_Popup)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

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

void MarkDesignedColours(QWidget* widget) { widget->setProperty(kDesignedColours, true); }

void DrawCrispFrame(QPainter& painter, const QRect& rect, const QColor& colour) {
    // Qt clips a widget to its edges times the scale, each rounded to a device pixel; the
    // outline follows the same rounding so every edge lands on a pixel the widget owns.
    const QTransform toDevice = painter.deviceTransform();
    const QPointF topLeft = toDevice.map(QPointF(rect.topLeft()));
    const QPointF bottomRight =
        toDevice.map(QPointF(rect.topLeft() + QPoint(rect.width(), rect.height())));
    const int left = qRound(topLeft.x()), top = qRound(topLeft.y());
    const int width = qRound(bottomRight.x()) - left, height = qRound(bottomRight.y()) - top;
    const int line = std::max(1, static_cast<int>(std::floor(toDevice.m11() + 0.01)));
    const QRect lines[] = {{left, top, width, line},
                           {left, top + height - line, width, line},
                           {left, top, line, height},
                           {left + width - line, top, line, height}};
    const QTransform toLogical = toDevice.inverted();
    for (const QRect& l : lines)
        painter.fillRect(toLogical.mapRect(QRectF(l)), colour);
}

} // namespace forms

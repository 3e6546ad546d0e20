#pragma once

#include <QProxyStyle>

class QPainter;

namespace forms {

// The desktop's style, with what these windows need of their own: buttons and drop-down lists
// whose design gives them a colour are painted flat in it, whatever the style would shade them
// with, and with a clear focus mark; drop-down lists open as short scrolling lists. The menu
// bar's overflow arrow is drawn here too: loading the style's own picture would load every
// image format plugin at start-up, for an arrow these fixed-size windows never show (Qt 6.4's
// Fusion and Windows styles do; run with QT_DEBUG_PLUGINS=1 and without the override to see
// whether a newer Qt still does).
class LightStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

// Marks a button or drop-down list whose design gives it a colour: the style paints it flat in
// that colour.
void MarkDesignedColours(QWidget* widget);

// A rectangle's outline, one line per whole device pixel ratio, on whole device pixels just
// inside the rectangle, so no fractional scale rounds an edge away.
void DrawCrispFrame(QPainter& painter, const QRect& rect, const QColor& colour);

} // namespace forms

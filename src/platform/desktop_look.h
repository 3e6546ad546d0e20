#pragma once

#include "platform/design.h"

#include <QColor>
#include <QPalette>

class QPainter;
class QWidget;

// What keeps the designed look whatever the desktop's style, palette and scale.
namespace forms {

// The colour a design colour stands for: fixed as designed, a system colour from the palette.
QColor Resolve(const Colour& colour, const QPalette& system);
// The value a system colour has on the classic light desktop the designs were drawn on.
QColor ClassicColour(SystemColour colour);
// WCAG contrast ratio, 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);

struct DrawnColours {
    QColor fore, back; // invalid: the control keeps what it inherits
};
// A control's text and background colours. Where its design pairs a fixed colour with a
// system colour (the control's own default for a side it leaves open counts as one) and the
// system's current value would leave the text under 3:1, the system side takes its classic
// light value. behind: what shows through a transparent control, a fixed colour of the design.
DrawnColours ReadableColours(const ControlDesign& c, const QColor& behind, const QPalette& system);

// Marks the control whose design gives it colours, so the style paints them as designed, keeps
// drop-down lists to a few rows, and lets a focused button take Enter.
void ApplyDesktopLook(QWidget* widget, const ControlDesign& c);
bool HasDesignedColours(const QWidget* widget);

// The edge of a text box with the focus: the desktop's highlight colour, or the box's text
// colour where the highlight would hardly show on the box's background.
QColor FocusEdgeColour(const QPalette& box);

// A rectangle's outline, one line per whole device pixel ratio, on whole device pixels just
// inside the rectangle, so no fractional scale rounds an edge away.
void DrawCrispFrame(QPainter& painter, const QRect& rect, const QColor& colour);

} // namespace forms

#pragma once

#include "forms/design.h"

#include <QColor>
#include <QPalette>

// Which colours a control is drawn in, whatever the desktop's palette: the readability rules
// applied to the designed colours (forms/palette.h).
namespace forms {

// The colour a design colour stands for: fixed as designed, a system colour from the palette.
QColor Resolve(const Colour& colour, const QPalette& system);

struct DrawnColours {
    QColor fore, back; // invalid: the control keeps what it inherits
};
// A control's text and background colours. Where its design pairs a fixed colour with a
// system colour (the control's own default for a side it leaves open counts as one) and the
// system's current value would leave the text under 3:1, the system side takes its classic
// light value. behind: what shows through a transparent control, a fixed colour of the design.
DrawnColours ReadableColours(const ControlDesign& c, const QColor& behind, const QPalette& system);

// The edge of a text box with the focus: the desktop's highlight colour, or the box's text
// colour where the highlight would hardly show on the box's background.
QColor FocusEdgeColour(const QPalette& box);

} // namespace forms

#pragma once

#include "forms/design.h"

// The named colours of the windows' designs: the values as designed, whatever the desktop. How
// they are drawn against the desktop's own colours is decided in forms/contrast.
namespace colours {
inline forms::Colour rgb(int r, int g, int b) { return {QColor(r, g, b)}; }
inline forms::Colour PanelBlue() { return rgb(124, 165, 231); }
inline forms::Colour White() { return rgb(255, 255, 255); }
inline forms::Colour LinkBlue() { return rgb(0, 0, 255); }
inline forms::Colour Navy() { return rgb(0, 0, 128); }
inline forms::Colour Yellow() { return rgb(255, 255, 0); }
inline forms::Colour DeepBlue() { return rgb(0, 0, 192); }
inline forms::Colour System(forms::SystemColour role) { return {std::nullopt, role}; }
} // namespace colours

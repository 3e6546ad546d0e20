#pragma once

#include "forms/design.h"

// The named colours of the windows' designs: the values as designed, whatever the desktop. How
// they are drawn against the desktop's own colours is decided in forms/contrast.
namespace palette {
inline forms::Colour Rgb(int r, int g, int b) { return {QColor(r, g, b)}; }
inline forms::Colour PanelBlue() { return Rgb(124, 165, 231); }
inline forms::Colour White() { return Rgb(255, 255, 255); }
inline forms::Colour LinkBlue() { return Rgb(0, 0, 255); }
inline forms::Colour Navy() { return Rgb(0, 0, 128); }
inline forms::Colour Yellow() { return Rgb(255, 255, 0); }
inline forms::Colour DeepBlue() { return Rgb(0, 0, 192); }
inline forms::Colour System(forms::SystemColour role) { return {std::nullopt, role}; }
} // namespace palette

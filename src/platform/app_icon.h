#pragma once

#include <QIcon>
#include <QImage>

class QPainter;

namespace platform {

// The application icon: a dark teal square, a thin white frame with rounded corners and a
// silver serif capital D. Drawn here once; the shipped PNGs are rendered from this drawing.
QImage DrawApplicationIcon(int size);

// The same drawing on any paint device of size by size pixels (the scalable icon is made by
// painting on an SVG generator).
void PaintApplicationIcon(QPainter& p, int size);

// The icon windows show, from the PNGs rendered from that drawing.
QIcon ApplicationIcon();

} // namespace platform

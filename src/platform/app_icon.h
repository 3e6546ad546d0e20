#pragma once

#include <QIcon>
#include <QImage>

class QPainter;

namespace platform {

// The application icon: a dark teal square, a thin white frame with rounded corners and a
// silver serif capital D. The shipped PNGs and raw pixel files are rendered from this drawing.
QImage DrawApplicationIcon(int size);

// The same drawing on any paint device of size by size pixels (the scalable icon is made by
// painting on an SVG generator).
void PaintApplicationIcon(QPainter& p, int size);

// The icon windows show: the 32 and 48 pixel renderings, read as raw 24-bit pixels from the
// resources so that no image format plugin loads.
QIcon ApplicationIcon();

} // namespace platform

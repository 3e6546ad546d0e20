#pragma once

#include "forms/design.h"

#include <QFont>
#include <QFontMetricsF>
#include <functional>

class QWidget;

namespace forms {

// A design font over base: an installed face for its family, its size and its style. Verdana and
// MS Sans Serif, which the designs name, are rarely installed on Linux: a face that is stands in.
// MS Sans Serif is drawn with its TrueType face, Microsoft Sans Serif, wherever that is installed.
QFont MakeFont(const FontSpec& spec, const QFont& base);

// Gives the control the design font made smaller, in quarter points down to three quarters of
// its size, until fits says the caption fits, as measured on the control. The windows were laid out
// for Verdana and MS Sans Serif in English: the faces that stand in for them, hinting at some
// scales and longer translations can run wider, and a caption a little smaller says more than one
// cut off.
void FitFont(QWidget* control, const QFont& design,
             const std::function<bool(const QFontMetricsF&)>& fits);

} // namespace forms

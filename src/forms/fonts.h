#pragma once

#include "forms/design.h"

#include <QFont>

namespace forms {

// A design font over base: an installed face for its family, its size and its style. Verdana and
// MS Sans Serif, which the designs name, are rarely installed on Linux: a face that is stands in.
// MS Sans Serif is drawn with its TrueType face, Microsoft Sans Serif, wherever that is installed.
QFont MakeFont(const FontSpec& spec, const QFont& base);

} // namespace forms

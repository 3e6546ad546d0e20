#pragma once

#include "platform/design.h"

#include <QFont>

class QWidget;

namespace forms {

class FormWindow;

// The widget for one row of a window's design, inside parent, with every setting the row
// gives. A default or cancel button is handed to window, which presses it on Enter or Escape.
QWidget* BuildControl(const ControlDesign& c, QWidget* parent, FormWindow& window);

// A design font over base: the installed face for its family, its size and its style.
QFont MakeFont(const FontSpec& spec, const QFont& base);

// Text boxes, lists, buttons and check boxes take the focus; frames, labels, pictures and
// lines never do.
bool TakesFocus(Kind kind);

} // namespace forms

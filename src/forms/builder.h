#pragma once

#include "forms/design.h"

#include <QPointer>
#include <QWidget>
#include <map>
#include <vector>

class QAction;
class QIcon;

namespace forms {

class FormWindow;

// The widgets of one loaded window, found by their design names.
struct BuiltWindow {
    // Guarded: a widget deleted behind the runtime's back reads as missing, not dangling.
    std::map<QString, QPointer<QWidget>> controls;
    std::map<QString, QAction*> menu;
    std::vector<QWidget*> tabStops; // in tab order
};

// Turns a design into the widgets of an empty window: its caption, font and colours, the menu
// bar, and one control per row with every setting the row gives, stacked in design order and
// linked in tab order. A default or cancel button is handed to the window, which presses it on
// Enter or Escape.
BuiltWindow BuildWindow(const FormDesign& design, FormWindow& window, const QIcon& icon);

} // namespace forms

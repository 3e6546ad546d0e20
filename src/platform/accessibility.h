#pragma once

class QWidget;

namespace forms {
class FormTextBox;
}

// What assistive technology reads of the forms' widgets. Qt's own interfaces get several of them
// wrong for a screen reader on Linux: a window reads as a plain filler, a drop-down list is named
// by its current item, a label named for its role hides its text, a link label offers no action.
namespace accessibility {

// Installs the interfaces for the forms' windows, labels and drop-down lists. Once per process;
// later calls do nothing.
void Install();

// Keeps the window's accessible description at the first line of the box's text, so that a
// screen reader says it as the window opens.
void DescribeWindowBy(QWidget* window, forms::FormTextBox* box);

} // namespace accessibility

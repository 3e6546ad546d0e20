#pragma once

class QObject;
class QWidget;

namespace forms {
class FormTextBox;
}

// What assistive technology reads of the forms' widgets. Qt's own interfaces get several of them
// wrong for a screen reader on Linux: a window reads as a plain filler, a drop-down list is named
// by its current item, a label named for its role hides its text, a link label offers no action,
// a text box is read without its last character.
namespace accessibility {

// Installs the interfaces for the forms' windows, labels, text boxes and drop-down lists. Once per
// process; later calls do nothing.
void Install();

// While it lives, assistive technology hears nothing of the object. A focus handler that changes
// a text box would otherwise be heard before the focus itself, and a screen reader then takes the
// box as known and leaves it unannounced; it reads the new text when the focus arrives.
class Unheard {
public:
    explicit Unheard(const QObject* object);
    ~Unheard();
    Unheard(const Unheard&) = delete;
    Unheard& operator=(const Unheard&) = delete;
};

// Keeps the window's accessible description at the first line of the box's text, so that a
// screen reader says it as the window opens.
void DescribeWindowBy(QWidget* window, forms::FormTextBox* box);

} // namespace accessibility

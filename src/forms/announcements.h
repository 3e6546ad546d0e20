#pragma once

class QComboBox;
class QWidget;

// What the windows tell assistive technology beyond what their widgets' interfaces say.
namespace forms {

class FormLabel;
class FormTextBox;

// Says a drop-down list's new value when the keys change it in the closed list: screen readers
// say text arriving selected in the focused list, where a changed name or selection goes unsaid.
void AnnounceValueChanges(QComboBox* combo);

// Keeps the window's accessible description at the first line of the box's text, so that a
// screen reader says it as the window opens.
void DescribeWindowBy(QWidget* window, FormTextBox* box);
// The same with a label's text as it reads now, for a label set once as the window loads.
void DescribeWindowBy(QWidget* window, const FormLabel* label);

} // namespace forms

#pragma once

class QComboBox;
class QObject;
class QWidget;

// What the windows tell assistive technology beyond what their widgets' interfaces say.
namespace forms {

class FormLabel;
class FormTextBox;

// Puts the filter that Unheard needs in front of Qt's delivery of accessibility events. Once per
// process, before the first window; later calls do nothing.
void InstallAnnouncementFilter();

// While it lives, assistive technology hears nothing of the object. A focus handler that changes
// a text box would otherwise be heard before the focus itself, and a screen reader (Orca 43)
// then takes the box as known and leaves it unannounced; it reads the new text when the focus
// arrives. The exit screen's hint boxes are the case: the end-to-end test hears them on Tab.
// Holds back only once InstallAnnouncementFilter has run.
class Unheard {
public:
    explicit Unheard(const QObject* object);
    ~Unheard();
    Unheard(const Unheard&) = delete;
    Unheard& operator=(const Unheard&) = delete;
};

// Says a drop-down list's new value when the keys change it in the closed list: screen readers
// say text arriving selected in the focused list, where a changed name or selection goes unsaid.
void AnnounceValueChanges(QComboBox* combo);

// Keeps the window's accessible description at the first line of the box's text, so that a
// screen reader says it as the window opens.
void DescribeWindowBy(QWidget* window, FormTextBox* box);
// The same with a label's text as it reads now, for a label set once as the window loads.
void DescribeWindowBy(QWidget* window, const FormLabel* label);

} // namespace forms

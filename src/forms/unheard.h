#pragma once

class QObject;

namespace forms {

// Puts the filter that Unheard needs in front of Qt's delivery of accessibility events. Once per
// process, before the first window; later calls do nothing.
void InstallUnheardFilter();

// While it lives, assistive technology hears nothing of the object. A focus handler that changes
// a text box would otherwise be heard before the focus itself, and a screen reader (Orca 43)
// then takes the box as known and leaves it unannounced; it reads the new text when the focus
// arrives. The exit screen's hint boxes are the case: the end-to-end test hears them on Tab.
// Holds back only once InstallUnheardFilter has run.
class Unheard {
public:
    explicit Unheard(const QObject* object);
    ~Unheard();
    Unheard(const Unheard&) = delete;
    Unheard& operator=(const Unheard&) = delete;
};

} // namespace forms

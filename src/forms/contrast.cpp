#include "forms/contrast.h"

#include <algorithm>
#include <cmath>

namespace forms {

namespace {

double luminance(const QColor& c) {
    auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

struct Side {
    Colour colour; // what the design gives, or the control's own default
    bool given = false;
    bool behind = false; // the container's colour: fixed by its own design
};

// The value a system colour has on the classic light desktop the designs were drawn on.
QColor classicColour(SystemColour colour) {
    switch (colour) {
    case SystemColour::ButtonFace:
        return QColor(240, 240, 240);
    case SystemColour::Window:
        return QColor(255, 255, 255);
    case SystemColour::ButtonText:
    case SystemColour::WindowText:
        return QColor(0, 0, 0);
    case SystemColour::None:
        break;
    }
    return {};
}

// WCAG contrast ratio, 1 to 21.
double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

QColor Resolve(const Colour& colour, const QPalette& system) {
    if (colour.rgb)
        return *colour.rgb;
    switch (colour.system) {
    case SystemColour::ButtonFace:
        return system.color(QPalette::Button);
    case SystemColour::ButtonText:
        return system.color(QPalette::ButtonText);
    case SystemColour::Window:
        return system.color(QPalette::Base);
    case SystemColour::WindowText:
        return system.color(QPalette::Text);
    case SystemColour::None:
        break;
    }
    return {};
}

DrawnColours ReadableColours(const ControlDesign& c, const QColor& behind, const QPalette& system) {
    DrawnColours drawn{Resolve(c.fore, system), Resolve(c.back, system)};
    Side fore{c.fore, c.fore.IsSet()}, back{c.back, c.back.IsSet()};
    switch (c.kind) {
    case Kind::Button:
    case Kind::CheckButton:
        if (!fore.given)
            fore.colour.system = SystemColour::ButtonText;
        if (!back.given)
            back.colour.system = SystemColour::ButtonFace;
        break;
    case Kind::TextBox:
    case Kind::ComboList:
        if (!fore.given)
            fore.colour.system = SystemColour::WindowText;
        if (!back.given)
            back.colour.system = SystemColour::Window;
        break;
    case Kind::Label:
        if (!back.given || c.transparent)
            back = {Colour{behind}, false, true};
        break;
    default:
        return drawn;
    }
    const bool foreSystem = !fore.colour.rgb && fore.colour.system != SystemColour::None;
    const bool backSystem = !back.colour.rgb && back.colour.system != SystemColour::None;
    if (foreSystem == backSystem || !fore.colour.IsSet() || !back.colour.IsSet())
        return drawn; // both fixed (as designed) or both the system's (its own business)
    const QColor f = Resolve(fore.colour, system), b = Resolve(back.colour, system);
    if (!f.isValid() || !b.isValid() || contrastRatio(f, b) >= 3.0)
        return drawn;
    if (foreSystem)
        drawn.fore = classicColour(fore.colour.system);
    else if (!back.behind)
        drawn.back = classicColour(back.colour.system);
    return drawn;
}

QColor FocusEdgeColour(const QPalette& box) {
    const QColor highlight = box.color(QPalette::Highlight);
    return contrastRatio(highlight, box.color(QPalette::Base)) >= 1.5 ? highlight
                                                                      : box.color(QPalette::Text);
}

} // namespace forms

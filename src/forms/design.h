#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

// A window's design as data: what every load builds its widgets from.
namespace forms {

// Lengths in the design are twips; 15 twips make one pixel at 96 dpi. Edges are rounded
// (halves up) rather than sizes, so controls that touch in twips still touch in pixels.
int TwipsToPixels(int twips);
QRect TwipsToRect(int left, int top, int width, int height);

enum class Kind {
    Frame,       // container; children move, clip and hide with it
    Label,       // plain or link label
    TextBox,     // single- or multi-line
    ComboList,   // drop-down list without typing
    Button,      // push button; "graphical" when it has a back colour
    CheckButton, // check box in push-button style
    Picture,     // picture box without border
    Line,        // horizontal rule
};

// A family of an empty name means the window's font.
struct FontSpec {
    QString family;
    double points = 0;
    bool bold = false;
    bool underline = false;
};

// Colours the design names by role rather than value follow the desktop's palette.
enum class SystemColour { None, ButtonFace, ButtonText, Window, WindowText };

struct Colour {
    std::optional<QColor> rgb;
    SystemColour system = SystemColour::None;
    bool IsSet() const { return rgb.has_value() || system != SystemColour::None; }
};

struct ControlDesign {
    QString name;
    Kind kind = Kind::Label;
    QString container;                            // empty: the window's client area
    int left = 0, top = 0, width = 0, height = 0; // twips; a Line's height is its pen in pixels
    QString caption;
    FontSpec font;
    Colour fore, back;
    int tabIndex = -1;
    QString accessibleName; // empty: the caption without access-key marks; a label's describes it
    bool transparent = false;
    bool link = false;     // underlined caption, pointing hand, Click
    bool autoSize = false; // label takes the size of its one-line caption
    bool centred = false;
    bool multiLine = false;
    bool verticalScroll = false;
    bool readOnly = false;
    bool visible = true;
    bool isDefault = false; // Enter presses it
    bool isCancel = false;  // Escape presses it
    bool flat = false;      // frames: single-line border instead of the etched edge
    bool handCursor = false;
};

struct MenuDesign {
    QString name;
    QString caption; // "-" is a separator line
    bool enabled = true;
    std::vector<MenuDesign> items; // empty: a top-level entry that acts directly
};

inline MenuDesign Entry(const char* name, const QString& caption, bool enabled = true) {
    return {QLatin1String(name), caption, enabled, {}};
}
inline MenuDesign Menu(const char* name, const QString& caption, std::vector<MenuDesign> items) {
    return {QLatin1String(name), caption, true, std::move(items)};
}

struct FormDesign {
    FormDesign() = default;
    // What every window's design opens with: its name, caption, client size, font and colours.
    FormDesign(QString formName, QString formCaption, int width, int height, FontSpec formFont = {},
               Colour formBack = {}, Colour formFore = {})
        : name(std::move(formName)), caption(std::move(formCaption)), clientWidth(width),
          clientHeight(height), font(std::move(formFont)), back(std::move(formBack)),
          fore(std::move(formFore)) {}

    QString name;
    QString caption;
    int clientWidth = 0, clientHeight = 0; // twips
    FontSpec font;
    Colour back, fore;
    bool icon = true;        // shows the application icon from the start
    bool handCursor = false; // pointing hand over the window's own background
    QString describedBy;     // a text box whose first line describes the window
    std::vector<MenuDesign> menu;
    std::vector<ControlDesign> controls; // in design order: later ones lie on top

    // Appends one row of the design table; the caller fills in the rest of it.
    ControlDesign& Add(const char* controlName, Kind kind, const char* container, int left, int top,
                       int width, int height, int tabIndex) {
        ControlDesign c;
        c.name = QLatin1String(controlName);
        c.kind = kind;
        c.container = QLatin1String(container);
        c.left = left, c.top = top, c.width = width, c.height = height;
        c.tabIndex = tabIndex;
        controls.push_back(c);
        return controls.back();
    }
};

// Access keys: "&x" marks x, "&&" is one ampersand. Returns the text to show and the index
// of the marked character in it, or -1.
QString StripAccessKeys(const QString& caption, int* markedIndex = nullptr);

} // namespace forms

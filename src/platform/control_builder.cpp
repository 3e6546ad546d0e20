#include "platform/control_builder.h"

#include "platform/controls.h"
#include "platform/desktop_look.h"
#include "platform/forms.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <initializer_list>

namespace forms {

namespace {

// The installed face for a design font, looked up once: naming it directly spares Qt working
// out the substitutes for every control.
QString installedFamily(const QString& family) {
    static QHash<QString, QString> resolved;
    auto it = resolved.find(family);
    if (it == resolved.end()) {
        QString face = family;
        if (!QFontDatabase::hasFamily(family))
            for (const QString& substitute : QFont::substitutes(family))
                if (QFontDatabase::hasFamily(substitute)) {
                    face = substitute;
                    break;
                }
        it = resolved.insert(family, face);
    }
    return *it;
}

using Roles = std::initializer_list<QPalette::ColorRole>;

// What every control shares: the design font where it differs from the container's, the
// designed colours in the palette roles this kind of widget paints with, and the place.
void dress(QWidget* widget, const ControlDesign& c, QWidget* parent, Roles foreRoles,
           Roles backRoles) {
    const QFont font = MakeFont(c.font, parent->font());
    if (font != parent->font())
        widget->setFont(font);
    const auto [fore, back] =
        ReadableColours(c, parent->palette().color(QPalette::Window), QApplication::palette());
    QPalette pal = widget->palette();
    for (QPalette::ColorRole role : backRoles)
        if (back.isValid())
            pal.setColor(role, back);
    for (QPalette::ColorRole role : foreRoles)
        if (fore.isValid())
            pal.setColor(role, fore);
    widget->setPalette(pal);
    widget->setGeometry(TwipsToRect(c.left, c.top, c.width, c.height));
}

void dressPlain(QWidget* widget, const ControlDesign& c, QWidget* parent) {
    dress(widget, c, parent, {QPalette::WindowText}, {QPalette::Window});
}

QWidget* buildFrame(const ControlDesign& c, QWidget* parent) {
    auto* frame = new FormFrame(parent);
    frame->SetCaption(c.caption);
    frame->SetFlat(c.flat);
    dressPlain(frame, c, parent);
    frame->setAutoFillBackground(true);
    return frame;
}

QWidget* buildLabel(const ControlDesign& c, QWidget* parent) {
    auto* label = new FormLabel(parent);
    if (c.centred)
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    dressPlain(label, c, parent);
    label->setAutoFillBackground(!c.transparent);
    // After the font and place: an auto-sized label takes the size of its caption.
    label->SetCaption(c.caption);
    label->SetAutoSize(c.autoSize);
    label->SetLink(c.link);
    return label;
}

QWidget* buildTextBox(const ControlDesign& c, QWidget* parent) {
    auto* box = new FormTextBox(c.multiLine, c.verticalScroll, parent);
    box->SetText(c.caption);
    box->SetReadOnly(c.readOnly);
    dress(box, c, parent, {QPalette::Text, QPalette::ButtonText, QPalette::WindowText},
          {QPalette::Base, QPalette::Button, QPalette::Window});
    return box;
}

QWidget* buildComboList(const ControlDesign& c, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(false);
    dress(combo, c, parent, {QPalette::Text, QPalette::ButtonText, QPalette::WindowText},
          {QPalette::Base, QPalette::Button, QPalette::Window});
    return combo;
}

QWidget* buildButton(const ControlDesign& c, QWidget* parent, FormWindow& window) {
    auto* button = new QPushButton(c.caption, parent);
    if (c.isDefault)
        window.setDefaultButton(button);
    if (c.isCancel)
        window.setCancelButton(button);
    // A designed back colour makes it a graphical button, painted in that colour.
    dress(button, c, parent, {QPalette::ButtonText}, {QPalette::Button});
    return button;
}

QWidget* buildCheckButton(const ControlDesign& c, QWidget* parent) {
    auto* check = new FormCheckButton(parent);
    check->setText(c.caption);
    dress(check, c, parent, {QPalette::ButtonText}, {QPalette::Button});
    return check;
}

QWidget* buildPicture(const ControlDesign& c, QWidget* parent) {
    auto* picture = new QLabel(parent);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    dressPlain(picture, c, parent);
    return picture;
}

// A horizontal rule: its height in the design is the pen width in pixels, centred on its top.
QWidget* buildLine(const ControlDesign& c, QWidget* parent) {
    auto* line = new QWidget(parent);
    dressPlain(line, c, parent);
    line->setAutoFillBackground(true);
    const int x1 = TwipsToPixels(c.left), x2 = TwipsToPixels(c.left + c.width);
    const int pen = std::max(1, c.height);
    line->setGeometry(x1, TwipsToPixels(c.top) - pen / 2, x2 - x1, pen);
    return line;
}

QWidget* buildKind(const ControlDesign& c, QWidget* parent, FormWindow& window) {
    switch (c.kind) {
    case Kind::Frame:
        return buildFrame(c, parent);
    case Kind::Label:
        return buildLabel(c, parent);
    case Kind::TextBox:
        return buildTextBox(c, parent);
    case Kind::ComboList:
        return buildComboList(c, parent);
    case Kind::Button:
        return buildButton(c, parent, window);
    case Kind::CheckButton:
        return buildCheckButton(c, parent);
    case Kind::Picture:
        return buildPicture(c, parent);
    case Kind::Line:
        break;
    }
    return buildLine(c, parent);
}

} // namespace

QFont MakeFont(const FontSpec& spec, const QFont& base) {
    QFont font = base;
    if (!spec.family.isEmpty())
        font.setFamily(installedFamily(spec.family));
    if (spec.points > 0)
        font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    font.setUnderline(spec.underline);
    return font;
}

bool TakesFocus(Kind kind) {
    return kind == Kind::TextBox || kind == Kind::ComboList || kind == Kind::Button ||
           kind == Kind::CheckButton;
}

QWidget* BuildControl(const ControlDesign& c, QWidget* parent, FormWindow& window) {
    QWidget* widget = buildKind(c, parent, window);
    widget->setCursor(c.link || c.handCursor ? Qt::PointingHandCursor : Qt::ArrowCursor);
    widget->setFocusPolicy(TakesFocus(c.kind) ? Qt::StrongFocus : Qt::NoFocus);
    // A label is read by its visible text; a name of its own only describes it.
    const bool named = !c.accessibleName.isEmpty() && c.kind != Kind::Label;
    const QString name = named ? c.accessibleName : StripAccessKeys(c.caption);
    if (auto* box = qobject_cast<FormTextBox*>(widget))
        box->SetSpokenName(name);
    else
        widget->setAccessibleName(name);
    if (c.kind == Kind::Label)
        widget->setAccessibleDescription(c.accessibleName);
    ApplyDesktopLook(widget, c);
    widget->setVisible(c.visible);
    return widget;
}

} // namespace forms

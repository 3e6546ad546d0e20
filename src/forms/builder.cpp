#include "forms/builder.h"

#include "forms/announcements.h"
#include "forms/contrast.h"
#include "forms/controls.h"
#include "forms/fonts.h"
#include "forms/form_window.h"
#include "forms/light_style.h"
#include "forms/text_box.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <algorithm>
#include <initializer_list>

namespace forms {

namespace {

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

// A caption too wide for the button in its font is drawn smaller (fonts.h), with the room the
// style keeps around it.
void fitCaption(QPushButton* button) {
    const QStyle* style = button->style();
    const int margins = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                        2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    const QString text = StripAccessKeys(button->text());
    FitFont(button, button->font(), [&](const QFontMetricsF& fm) {
        return fm.horizontalAdvance(text) + margins <= button->width() &&
               fm.height() <= button->height();
    });
}

void dressPlain(QWidget* widget, const ControlDesign& c, QWidget* parent) {
    dress(widget, c, parent, {QPalette::WindowText}, {QPalette::Window});
}

QWidget* buildFrame(const ControlDesign& c, QWidget* parent) {
    auto* frame = new FormFrame(parent);
    dressPlain(frame, c, parent);
    frame->SetCaption(c.caption);
    frame->SetFlat(c.flat);
    frame->setAutoFillBackground(true);
    return frame;
}

QWidget* buildLabel(const ControlDesign& c, QWidget* parent) {
    auto* label = new FormLabel(parent);
    if (c.centred)
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    dressPlain(label, c, parent);
    label->setAutoFillBackground(!c.transparent);
    // After the font and place: an auto-sized label takes the size of its caption, and the
    // caption is fitted once, to the room it has.
    label->SetAutoSize(c.autoSize);
    label->SetCaption(c.caption);
    label->SetLink(c.link);
    return label;
}

QWidget* buildTextBox(const ControlDesign& c, QWidget* parent) {
    FormTextBox* box =
        c.multiLine ? static_cast<FormTextBox*>(new MultiLineTextBox(c.verticalScroll, parent))
                    : new SingleLineTextBox(parent);
    box->SetText(c.caption);
    box->SetReadOnly(c.readOnly);
    dress(box, c, parent, {QPalette::Text, QPalette::ButtonText, QPalette::WindowText},
          {QPalette::Base, QPalette::Button, QPalette::Window});
    return box;
}

QWidget* buildComboList(const ControlDesign& c, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(false);
    // Rows it shows before it scrolls, as the classic lists did.
    combo->setMaxVisibleItems(8);
    AnnounceValueChanges(combo);
    dress(combo, c, parent, {QPalette::Text, QPalette::ButtonText, QPalette::WindowText},
          {QPalette::Base, QPalette::Button, QPalette::Window});
    return combo;
}

QWidget* buildButton(const ControlDesign& c, QWidget* parent, FormWindow& window) {
    auto* button = new QPushButton(c.caption, parent);
    // A focused command button takes Enter and keypad Enter as it takes Space.
    button->setAutoDefault(true);
    if (c.isDefault)
        window.SetDefaultButton(button);
    if (c.isCancel)
        window.SetCancelButton(button);
    // A designed back colour makes it a graphical button, painted in that colour.
    dress(button, c, parent, {QPalette::ButtonText}, {QPalette::Button});
    fitCaption(button);
    return button;
}

QWidget* buildCheckButton(const ControlDesign& c, QWidget* parent) {
    auto* check = new FormCheckButton(parent);
    check->setText(c.caption);
    dress(check, c, parent, {QPalette::ButtonText}, {QPalette::Button});
    fitCaption(check);
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

bool takesFocus(Kind kind) {
    return kind == Kind::TextBox || kind == Kind::ComboList || kind == Kind::Button ||
           kind == Kind::CheckButton;
}

QWidget* buildControl(const ControlDesign& c, QWidget* parent, FormWindow& window) {
    QWidget* widget = buildKind(c, parent, window);
    widget->setCursor(c.link || c.handCursor ? Qt::PointingHandCursor : Qt::ArrowCursor);
    widget->setFocusPolicy(takesFocus(c.kind) ? Qt::StrongFocus : Qt::NoFocus);
    // A label is read by its visible text; a name of its own only describes it.
    const bool named = !c.accessibleName.isEmpty() && c.kind != Kind::Label;
    const QString name = named ? c.accessibleName : StripAccessKeys(c.caption);
    if (auto* box = qobject_cast<FormTextBox*>(widget))
        box->SetSpokenName(name);
    else
        widget->setAccessibleName(name);
    if (c.kind == Kind::Label)
        widget->setAccessibleDescription(c.accessibleName);
    // The style paints buttons and lists whose design gives them a colour flat in it.
    if ((c.kind == Kind::Button || c.kind == Kind::ComboList) && c.back.IsSet())
        MarkDesignedColours(widget);
    widget->setVisible(c.visible);
    return widget;
}

void buildMenu(const FormDesign& design, FormWindow& window, BuiltWindow& built) {
    if (design.menu.empty())
        return;
    auto* bar = new QMenuBar(&window);
    bar->setObjectName(design.name + QLatin1String("_menu"));
    for (const MenuDesign& top : design.menu) {
        if (top.items.empty()) {
            QAction* action = bar->addAction(top.caption);
            action->setObjectName(top.name);
            action->setEnabled(top.enabled);
            built.menu[top.name] = action;
            continue;
        }
        QMenu* menu = bar->addMenu(top.caption);
        menu->setObjectName(top.name);
        menu->menuAction()->setObjectName(top.name);
        menu->menuAction()->setEnabled(top.enabled);
        built.menu[top.name] = menu->menuAction();
        for (const MenuDesign& item : top.items) {
            QAction* action = item.caption == QLatin1String("-") ? menu->addSeparator()
                                                                 : menu->addAction(item.caption);
            action->setObjectName(item.name);
            action->setEnabled(item.enabled);
            built.menu[item.name] = action;
        }
    }
    window.SetMenuBar(bar);
}

} // namespace

BuiltWindow BuildWindow(const FormDesign& design, FormWindow& window, const QIcon& icon) {
    BuiltWindow built;
    FormWindow* w = &window;
    w->setObjectName(design.name);
    w->SetCaption(design.caption);
    if (design.icon)
        w->setWindowIcon(icon);

    const QPalette system = QApplication::palette();
    QWidget* client = w->Client();
    client->setObjectName(design.name + QLatin1String("_client"));
    client->setFont(MakeFont(design.font, QApplication::font()));
    client->setFixedSize(TwipsToPixels(design.clientWidth), TwipsToPixels(design.clientHeight));
    QPalette pal = client->palette();
    if (design.back.IsSet())
        pal.setColor(QPalette::Window, Resolve(design.back, system));
    if (design.fore.IsSet())
        pal.setColor(QPalette::WindowText, Resolve(design.fore, system));
    client->setPalette(pal);
    client->setCursor(design.handCursor ? Qt::PointingHandCursor : Qt::ArrowCursor);

    buildMenu(design, *w, built);

    std::vector<std::pair<int, QWidget*>> stops;
    for (const ControlDesign& c : design.controls) {
        QWidget* parent = client;
        if (const auto container = built.controls.find(c.container);
            container != built.controls.end() && container->second)
            parent = container->second;
        QWidget* widget = buildControl(c, parent, *w);
        widget->setObjectName(c.name);
        built.controls[c.name] = widget;
        if (takesFocus(c.kind) && c.tabIndex >= 0)
            stops.emplace_back(c.tabIndex, widget);
        widget->raise(); // design order is stacking order
    }
    if (const auto described = built.controls.find(design.describedBy);
        described != built.controls.end())
        if (auto* box = qobject_cast<FormTextBox*>(described->second))
            DescribeWindowBy(w, box);
    std::stable_sort(stops.begin(), stops.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [index, widget] : stops)
        built.tabStops.push_back(widget);
    for (size_t i = 1; i < built.tabStops.size(); ++i)
        QWidget::setTabOrder(built.tabStops[i - 1], built.tabStops[i]);
    w->adjustSize();
    return built;
}

} // namespace forms

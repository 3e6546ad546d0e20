#include "ui/result_window.h"

#include "shell/exit_handoff.h"
#include "shell/program.h"
#include "ui/colours.h"
#include "ui/promo_strips.h"

using forms::ControlDesign;
using forms::Kind;

frmInnerDrmOrPerNo::frmInnerDrmOrPerNo(Program& program)
    : forms::Form(program.runtime), m_program(program) {}

forms::FormDesign frmInnerDrmOrPerNo::Design() const {
    forms::FormDesign d;
    d.name = QStringLiteral("frmInnerDrmOrPerNo");
    d.caption = QString::fromLatin1(kWindowCaption);
    d.clientWidth = 6375;
    d.clientHeight = 5220;
    d.back = colours::PanelBlue();
    d.font = {QStringLiteral("Verdana"), 8.25};

    ControlDesign frame5;
    frame5.name = QStringLiteral("Frame5");
    frame5.kind = Kind::Frame;
    frame5.left = 60, frame5.top = 4200, frame5.width = 6300, frame5.height = 975;
    frame5.back = colours::PanelBlue();
    frame5.flat = true;
    frame5.tabIndex = 5;
    frame5.accessibleName = QStringLiteral("Offers");
    d.controls.push_back(frame5);
    promo_strips::AddOfferLabels(d.controls, QStringLiteral("Frame5"), 6);

    ControlDesign display;
    display.name = QStringLiteral("txtDisplay");
    display.kind = Kind::TextBox;
    display.left = 60, display.top = 690, display.width = 6300, display.height = 2955;
    display.back = colours::PanelBlue();
    display.fore = colours::White();
    display.multiLine = true;
    display.verticalScroll = true;
    display.readOnly = true;
    display.tabIndex = 4;
    display.accessibleName = QStringLiteral("Result");
    d.controls.push_back(display);

    ControlDesign frame2 = frame5;
    frame2.name = QStringLiteral("Frame2");
    frame2.top = 0, frame2.height = 615;
    frame2.tabIndex = 2;
    frame2.accessibleName = QStringLiteral("Discussion board banner");
    d.controls.push_back(frame2);
    d.controls.push_back(promo_strips::BannerLabel(QStringLiteral("Frame2"), 120, 135, 3));

    ControlDesign back;
    back.name = QStringLiteral("cmdback");
    back.kind = Kind::Button;
    back.left = 5250, back.top = 3780, back.width = 1095, back.height = 375;
    back.caption = QStringLiteral("&Back");
    back.back = colours::PanelBlue();
    back.tabIndex = 1;
    d.controls.push_back(back);
    return d;
}

forms::FormTextBox* frmInnerDrmOrPerNo::Display() const {
    return Control<forms::FormTextBox>(QStringLiteral("txtDisplay"));
}

void frmInnerDrmOrPerNo::Bind() {
    using forms::FormLabel;
    using forms::FormTextBox;
    FormTextBox* display = Display();
    connect(display, &FormTextBox::Change, this, &frmInnerDrmOrPerNo::txtDisplay_Change);
    connect(display, &FormTextBox::Click, this, &frmInnerDrmOrPerNo::txtDisplay_Click);
    connect(display, &FormTextBox::MouseDown, this, &frmInnerDrmOrPerNo::txtDisplay_MouseDown);
    connect(display, &FormTextBox::MouseMove, this, &frmInnerDrmOrPerNo::txtDisplay_MouseMove);
    connect(display, &FormTextBox::MouseUp, this, &frmInnerDrmOrPerNo::txtDisplay_MouseUp);
    connect(Control<QPushButton>(QStringLiteral("cmdback")), &QPushButton::clicked, this,
            &frmInnerDrmOrPerNo::cmdback_Click);
    connect(Control<FormLabel>(QStringLiteral("Label61")), &FormLabel::Click, this,
            &frmInnerDrmOrPerNo::Label61_Click);
    connect(Control<FormLabel>(QStringLiteral("lblCobrand")), &FormLabel::Click, this,
            &frmInnerDrmOrPerNo::lblCobrand_Click);
    connect(Control<FormLabel>(QStringLiteral("lblFullBrand")), &FormLabel::Click, this,
            &frmInnerDrmOrPerNo::lblFullBrand_Click);
}

void frmInnerDrmOrPerNo::Form_Unload() { exit_handoff::RunForResultWindow(m_program); }

void frmInnerDrmOrPerNo::cmdback_Click() { exit_handoff::Back(m_program); }

void frmInnerDrmOrPerNo::txtDisplay_Change() { m_program.platform.clipboard.Clear(); }
void frmInnerDrmOrPerNo::txtDisplay_Click() { m_program.platform.clipboard.Clear(); }
void frmInnerDrmOrPerNo::txtDisplay_MouseDown() { m_program.platform.clipboard.Clear(); }
void frmInnerDrmOrPerNo::txtDisplay_MouseMove() { m_program.platform.clipboard.Clear(); }
void frmInnerDrmOrPerNo::txtDisplay_MouseUp() { m_program.platform.clipboard.Clear(); }

void frmInnerDrmOrPerNo::Label61_Click() { m_program.help.OpenHomePage(); }
void frmInnerDrmOrPerNo::lblCobrand_Click() { m_program.help.OpenCoBrandPage(); }
void frmInnerDrmOrPerNo::lblFullBrand_Click() { m_program.help.OpenFullBrandPage(); }

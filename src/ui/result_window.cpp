#include "ui/result_window.h"

#include "shell/exit_handoff.h"
#include "shell/program.h"
#include "ui/colours.h"
#include "ui/promo_strips.h"

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
    d.describedBy = QStringLiteral("txtDisplay"); // the number, said as the window opens

    promo_strips::AddOfferStrip(d, 60, 4200, 5);

    auto& display = d.Add("txtDisplay", Kind::TextBox, "", 60, 690, 6300, 2955, 4);
    display.back = colours::PanelBlue();
    display.fore = colours::White();
    display.multiLine = true;
    display.verticalScroll = true;
    display.readOnly = true;
    display.accessibleName = QStringLiteral("Result");

    promo_strips::AddBannerStrip(d, 60, 6300, 2, 120, 135, 3);

    auto& back = d.Add("cmdback", Kind::Button, "", 5250, 3780, 1095, 375, 1);
    back.caption = QStringLiteral("&Back");
    back.back = colours::PanelBlue();
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

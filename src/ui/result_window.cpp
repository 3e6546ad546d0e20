#include "ui/result_window.h"

#include "engine/interpretation.h"
#include "forms/controls.h"
#include "forms/palette.h"
#include "forms/text_box.h"
#include "shell/app_title.h"
#include "shell/exit_handoff.h"
#include "shell/mod_help.h"
#include "ui/link_strips.h"

#include <QCoreApplication>
#include <QPushButton>

using forms::Kind;

frmInnerDrmOrPerNo::frmInnerDrmOrPerNo(forms::FormsRuntime& runtime, modHelp& help,
                                       ExitHandoff& handoff)
    : forms::Form(runtime), m_help(help), m_handoff(handoff) {}

forms::FormDesign frmInnerDrmOrPerNo::Design() const {
    forms::FormDesign d(QStringLiteral("frmInnerDrmOrPerNo"), QString::fromLatin1(kWindowCaption),
                        6375, 5220, {QStringLiteral("Verdana"), 8.25}, palette::PanelBlue());
    d.describedBy = QStringLiteral("txtDisplay"); // the number, said as the window opens

    link_strips::AddOfferStrip(d, 60, 4200, 5);

    auto& display = d.Add("txtDisplay", Kind::TextBox, "", 60, 690, 6300, 2955, 4);
    display.back = palette::PanelBlue();
    display.fore = palette::White();
    display.multiLine = true;
    display.verticalScroll = true;
    display.readOnly = true;
    display.accessibleName = tr("Result");

    link_strips::AddBannerStrip(d, 60, 6300, 2, 120, 135, 3);

    auto& back = d.Add("cmdback", Kind::Button, "", 5250, 3780, 1095, 375, 1);
    back.caption = tr("&Back");
    back.back = palette::PanelBlue();
    return d;
}

void frmInnerDrmOrPerNo::bind() {
    using forms::FormLabel;
    using forms::FormTextBox;
    m_ui = {.txtDisplay = Require<FormTextBox>("txtDisplay")};
    FormTextBox* display = m_ui.txtDisplay;
    connect(display, &FormTextBox::Change, this, &frmInnerDrmOrPerNo::txtDisplay_Change);
    connect(display, &FormTextBox::Click, this, &frmInnerDrmOrPerNo::txtDisplay_Click);
    connect(display, &FormTextBox::MouseDown, this, &frmInnerDrmOrPerNo::txtDisplay_MouseDown);
    connect(display, &FormTextBox::MouseMove, this, &frmInnerDrmOrPerNo::txtDisplay_MouseMove);
    connect(display, &FormTextBox::MouseUp, this, &frmInnerDrmOrPerNo::txtDisplay_MouseUp);
    connect(Require<QPushButton>("cmdback"), &QPushButton::clicked, this,
            &frmInnerDrmOrPerNo::cmdback_Click);
    connect(Require<FormLabel>("Label61"), &FormLabel::Click, this,
            &frmInnerDrmOrPerNo::Label61_Click);
    connect(Require<FormLabel>("lblCobrand"), &FormLabel::Click, this,
            &frmInnerDrmOrPerNo::lblCobrand_Click);
    connect(Require<FormLabel>("lblFullBrand"), &FormLabel::Click, this,
            &frmInnerDrmOrPerNo::lblFullBrand_Click);
}

void frmInnerDrmOrPerNo::unbind() { m_ui = {}; }

void frmInnerDrmOrPerNo::ShowResult(int number) {
    Show();
    forms::FormTextBox* display = m_ui.txtDisplay;
    if (!display)
        return;
    const auto translated = [](std::string_view english) {
        return english.empty() ? QString() : QCoreApplication::translate("engine", english.data());
    };
    // Each piece ends in a blank line, an empty one too, so a number without a paragraph keeps
    // the text's shape. Each insertion changes the text, and each change empties the clipboard.
    for (const QString& piece :
         {translated(engine::ResultHeader()) + QString::number(number),
          translated(engine::ResultIntro()), translated(engine::Interpretation(number)), QString()})
        display->SetSelText(piece + QLatin1String("\r\n\r\n"));
    display->SetSelStart(0);
}

void frmInnerDrmOrPerNo::Form_Unload() { m_handoff.HandOverWithoutUnloading(); }

void frmInnerDrmOrPerNo::cmdback_Click() { m_handoff.Back(); }

void frmInnerDrmOrPerNo::txtDisplay_Change() { platform().clipboard.Clear(); }
void frmInnerDrmOrPerNo::txtDisplay_Click() { platform().clipboard.Clear(); }
void frmInnerDrmOrPerNo::txtDisplay_MouseDown() { platform().clipboard.Clear(); }
void frmInnerDrmOrPerNo::txtDisplay_MouseMove() { platform().clipboard.Clear(); }
void frmInnerDrmOrPerNo::txtDisplay_MouseUp() { platform().clipboard.Clear(); }

void frmInnerDrmOrPerNo::Label61_Click() { m_help.OpenHomePage(); }
void frmInnerDrmOrPerNo::lblCobrand_Click() { m_help.OpenCoBrandPage(); }
void frmInnerDrmOrPerNo::lblFullBrand_Click() { m_help.OpenFullBrandPage(); }

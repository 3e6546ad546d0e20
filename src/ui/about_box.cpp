#include "ui/about_box.h"

#include "forms/controls.h"
#include "forms/palette.h"
#include "shell/app_title.h"
#include "shell/mod_help.h"
#include "ui/captions.h"

#include <QLabel>
#include <QPushButton>

using forms::ControlDesign;
using forms::Kind;

frmAbout::frmAbout(forms::FormsRuntime& runtime, modHelp& help, forms::Form& owner)
    : forms::Form(runtime), m_help(help), m_owner(owner) {}

forms::FormDesign frmAbout::Design() const {
    forms::FormDesign d(QStringLiteral("frmAbout"), QString::fromLatin1(kWindowCaption), 6825, 3795,
                        {QStringLiteral("MS Sans Serif"), 8.25}, palette::PanelBlue());

    auto text = [&](const char* name, int l, int t, int w, int h, int tab, const QString& caption,
                    forms::FontSpec font) -> ControlDesign& {
        auto& c = d.Add(name, Kind::Label, "", l, t, w, h, tab);
        c.caption = caption;
        c.font = font;
        c.fore = palette::White();
        c.transparent = true;
        return c;
    };
    const QString verdana = QStringLiteral("Verdana");

    auto& picture = d.Add("Picture1", Kind::Picture, "", 120, 120, 480, 480, 6);
    picture.accessibleName = tr("Lunavik icon");
    auto& ok = d.Add("cmdOK", Kind::Button, "", 5400, 3360, 1260, 345, 0);
    ok.caption = tr("OK");
    ok.back = palette::PanelBlue();
    ok.isDefault = true;
    ok.isCancel = true;
    // A rule across the whole window, 2 pixels wide.
    auto& line = d.Add("Line1", Kind::Line, "", -60, 3270, 6900, 2, -1);
    line.back = palette::White();
    line.accessibleName = tr("Separator");
    text("Label1", 840, 600, 5415, 1065, 5, captions::AboutDescription(), {verdana, 8.25});
    text("Label2", 960, 120, 5175, 255, 4, QString::fromLatin1(kWindowCaption),
         {verdana, 9.75, true});
    auto& cobrand = text("lblCobrand", 4320, 2880, 2355, 195, 3, tr("Click here for more details."),
                         {verdana, 8.25, false, true});
    cobrand.link = true;
    cobrand.autoSize = true;
    text("Label3", 840, 2040, 5685, 675, 2, captions::AboutFullBrandText(), {verdana, 8.25, true});
    auto& home = text("lblHomePage", 2640, 1800, 4050, 195, 1, captions::AboutHomePageLink(),
                      {verdana, 8.25, false, true});
    home.link = true;
    home.autoSize = true;
    return d;
}

QWidget* frmAbout::owner() const {
    // Modal over its owner, and without a task-bar button of its own.
    return m_owner.Window();
}

// Nothing outside this step touches the about box's controls, so it keeps no typed set of them.
void frmAbout::bind() {
    using forms::FormLabel;
    Require<QLabel>("Picture1")->setPixmap(runtime().ApplicationIcon().pixmap(32, 32));
    connect(Require<QPushButton>("cmdOK"), &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(Require<FormLabel>("lblCobrand"), &FormLabel::Click, this, &frmAbout::lblCobrand_Click);
    connect(Require<FormLabel>("lblHomePage"), &FormLabel::Click, this,
            &frmAbout::lblHomePage_Click);
}

void frmAbout::cmdOK_Click() { Unload(); }
void frmAbout::lblCobrand_Click() { m_help.OpenFullBrandPage(); }
void frmAbout::lblHomePage_Click() { m_help.OpenHomePage(); }

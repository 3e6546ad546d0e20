#include "ui/main_window.h"

#include "engine/inner_dreams.h"
#include "forms/controls.h"
#include "forms/palette.h"
#include "forms/text_box.h"
#include "forms/utf16.h"
#include "shell/exit_handoff.h"
#include "shell/mod_help.h"
#include "shell/msg_box.h"
#include "ui/about_box.h"
#include "ui/link_strips.h"
#include "ui/result_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QPushButton>

using forms::Kind;

namespace {

// Typed a-z become A-Z; nothing else changes.
void upperCaseTyped(int& keyAscii) {
    if (keyAscii >= 'a' && keyAscii <= 'z')
        keyAscii -= 'a' - 'A';
}

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// Validation reads the month by its place in the list, so the names may be in any language.
const char* const kMonths[] = {
    QT_TRANSLATE_NOOP("frmMain", "January"),   QT_TRANSLATE_NOOP("frmMain", "February"),
    QT_TRANSLATE_NOOP("frmMain", "March"),     QT_TRANSLATE_NOOP("frmMain", "April"),
    QT_TRANSLATE_NOOP("frmMain", "May"),       QT_TRANSLATE_NOOP("frmMain", "June"),
    QT_TRANSLATE_NOOP("frmMain", "July"),      QT_TRANSLATE_NOOP("frmMain", "August"),
    QT_TRANSLATE_NOOP("frmMain", "September"), QT_TRANSLATE_NOOP("frmMain", "October"),
    QT_TRANSLATE_NOOP("frmMain", "November"),  QT_TRANSLATE_NOOP("frmMain", "December")};

} // namespace

frmMain::frmMain(forms::FormsRuntime& runtime, modHelp& help, ExitHandoff& handoff,
                 frmInnerDrmOrPerNo& result)
    : OfferWindow(runtime), m_help(help), m_handoff(handoff), m_result(result) {}

forms::FormDesign frmMain::Design() const {
    forms::FormDesign d(QStringLiteral("frmMain"), QString::fromLatin1(kWindowCaption), 6405, 3420,
                        {QStringLiteral("Verdana"), 8.25}, palette::PanelBlue(), palette::White());
    d.handCursor = true;
    using forms::Entry;
    using forms::Menu;
    const QString separator = QStringLiteral("-");
    d.menu = {
        Menu("nuFile", tr("&File"), {Entry("mnuNext", tr("&Next")), Entry("mnuExit", tr("E&xit"))}),
        Menu("mnuHelp", tr("&Help"),
             {Entry("mnuOnline", tr("&Online Help")), Entry("mnuVisit", tr("&Visit Us Online")),
              Entry("mnuFileSep1", separator), Entry("mnuUpdate", tr("&Check for Software Update")),
              Entry("mnuFileSep2", separator), Entry("mnuAbout", tr("&About Software"))}),
        Entry("mnuDonate", tr("&Donate")),
        // Switched off in the design; shown greyed.
        Entry("mkmoney", tr("Make Money &Online"), false),
    };

    const forms::FontSpec bold{QStringLiteral("Verdana"), 8.25, true};
    const forms::FontSpec caption{QStringLiteral("MS Sans Serif"), 8.25};

    link_strips::AddOfferStrip(d, 0, 2400, 15);

    auto& fraName = d.Add("fraName", Kind::Frame, "", 80, 720, 6255, 1605, 7);
    fraName.caption = tr("Please Fill In The Below Details:");
    fraName.font = bold;
    fraName.back = palette::PanelBlue();
    fraName.fore = palette::White();
    fraName.flat = true;

    const QString firstName = tr("First Name");
    const QString middleName = tr("Middle Name");
    const QString lastName = tr("Last Name");
    auto nameBox = [&](const char* name, int left, int width, int tab, const QString& spoken) {
        auto& box = d.Add(name, Kind::TextBox, "fraName", left, 450, width, 345, tab);
        box.back = palette::PanelBlue();
        box.fore = palette::White();
        box.accessibleName = spoken;
    };
    nameBox("txtLastName", 4200, 1935, 4, lastName);
    nameBox("txtMiddleName", 2115, 1965, 2, middleName);
    nameBox("txtFirstName", 90, 1905, 0, firstName);

    auto& fraBirthDay = d.Add("fraBirthDay", Kind::Frame, "fraName", 120, 840, 6045, 645, 9);
    fraBirthDay.caption = tr("Date Of Birth");
    fraBirthDay.font = bold;
    fraBirthDay.back = palette::PanelBlue();
    fraBirthDay.fore = palette::White();

    auto list = [&](const char* name, int left, int width, int tab, const QString& spoken) {
        auto& combo = d.Add(name, Kind::ComboList, "fraBirthDay", left, 210, width, 315, tab);
        combo.back = palette::PanelBlue();
        combo.fore = palette::White();
        combo.accessibleName = spoken;
    };
    list("cboDate", 1760, 855, 8, tr("Day of birth"));
    list("cboMonth", 120, 1455, 6, tr("Month of birth"));
    list("cboYear", 2800, 975, 10, tr("Year of birth"));

    auto& next = d.Add("cmdNext", Kind::Button, "fraBirthDay", 3960, 210, 1965, 315, 11);
    next.caption = tr("&Next");
    next.back = palette::PanelBlue();

    auto label = [&](const char* name, int left, int width, int tab, const QString& text) {
        auto& l = d.Add(name, Kind::Label, "fraName", left, 240, width, 195, tab);
        l.caption = text;
        l.font = caption;
        l.fore = palette::White();
        l.transparent = true;
        l.autoSize = true;
    };
    label("Label5", 4200, 765, 14, lastName);
    label("Label4", 2115, 1095, 13, middleName);
    label("Label1", 120, 750, 12, firstName);

    link_strips::AddBannerStrip(d, 80, 6255, 3, 50, 140, 5);

    // Never seen: File > Exit runs its click routine.
    auto& exit = d.Add("cmdExit", Kind::Button, "", 3840, 3600, 2085, 315, 1);
    exit.caption = tr("E&xit");
    exit.back = palette::PanelBlue();
    exit.visible = false;
    return d;
}

void frmMain::bind() {
    using forms::FormLabel;
    using forms::FormTextBox;
    m_ui = {.txtFirstName = Require<FormTextBox>("txtFirstName"),
            .txtMiddleName = Require<FormTextBox>("txtMiddleName"),
            .txtLastName = Require<FormTextBox>("txtLastName"),
            .cboDate = Require<QComboBox>("cboDate"),
            .cboMonth = Require<QComboBox>("cboMonth"),
            .cboYear = Require<QComboBox>("cboYear"),
            .lblCobrand = Require<FormLabel>("lblCobrand"),
            .lblFullBrand = Require<FormLabel>("lblFullBrand")};
    connect(Require<QPushButton>("cmdNext"), &QPushButton::clicked, this, &frmMain::cmdNext_Click);
    connect(Require<QPushButton>("cmdExit"), &QPushButton::clicked, this, &frmMain::cmdExit_Click);
    connect(m_ui.txtFirstName, &FormTextBox::KeyPress, this, &frmMain::txtFirstName_KeyPress);
    connect(m_ui.txtMiddleName, &FormTextBox::KeyPress, this, &frmMain::txtMiddleName_KeyPress);
    connect(m_ui.txtLastName, &FormTextBox::KeyPress, this, &frmMain::txtLastName_KeyPress);
    connect(Require<FormLabel>("Label61"), &FormLabel::Click, this, &frmMain::Label61_Click);
    connect(m_ui.lblCobrand, &FormLabel::Click, this, &frmMain::lblCobrand_Click);
    connect(m_ui.lblFullBrand, &FormLabel::Click, this, &frmMain::lblFullBrand_Click);
    connect(RequireEntry("mnuNext"), &QAction::triggered, this, &frmMain::mnuNext_Click);
    connect(RequireEntry("mnuExit"), &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(RequireEntry("mnuOnline"), &QAction::triggered, this, &frmMain::mnuOnline_Click);
    connect(RequireEntry("mnuVisit"), &QAction::triggered, this, &frmMain::mnuVisit_Click);
    connect(RequireEntry("mnuUpdate"), &QAction::triggered, this, &frmMain::mnuUpdate_Click);
    connect(RequireEntry("mnuAbout"), &QAction::triggered, this, &frmMain::mnuAbout_Click);
    connect(RequireEntry("mnuDonate"), &QAction::triggered, this, &frmMain::mnuDonate_Click);
    connect(RequireEntry("mkmoney"), &QAction::triggered, this, &frmMain::mkmoney_Click);
}

void frmMain::unbind() { m_ui = {}; }

void frmMain::Form_Load() {
    m_help.CheckForUpdate();
    for (int i = 1; i <= 31; ++i)
        m_ui.cboDate->addItem(QString::number(i));
    for (const char* name : kMonths)
        m_ui.cboMonth->addItem(tr(name));
    for (int i = 1900; i <= 2050; ++i)
        m_ui.cboYear->addItem(QString::number(i));
    m_ui.cboDate->setCurrentIndex(0);
    m_ui.cboMonth->setCurrentIndex(0);
    m_ui.cboYear->setCurrentIndex(0);
}

void frmMain::Form_Unload() { m_handoff.Run(*this); }

void frmMain::BringOfferToFront(Offer offer) {
    forms::FormLabel* label = offer == Offer::CoBrand ? m_ui.lblCobrand : m_ui.lblFullBrand;
    if (label)
        label->raise();
}

void frmMain::txtFirstName_KeyPress(int& keyAscii) { upperCaseTyped(keyAscii); }
void frmMain::txtMiddleName_KeyPress(int& keyAscii) { upperCaseTyped(keyAscii); }
void frmMain::txtLastName_KeyPress(int& keyAscii) { upperCaseTyped(keyAscii); }

frmMain::Refusal frmMain::firstRefusal() const {
    const Controls& c = m_ui;
    if (c.txtFirstName->Text().isEmpty())
        return Refusal{tr("Please Enter Your First Name"), c.txtFirstName};
    if (c.txtLastName->Text().isEmpty())
        return Refusal{tr("Please Enter Your Last Name"), c.txtLastName};
    if (c.cboDate->currentText().isEmpty())
        return Refusal{tr("Please Specify Your Birth Date"), c.cboDate};
    if (c.cboMonth->currentText().isEmpty())
        return Refusal{tr("Please Specify Your Birth Month"), c.cboMonth};
    if (c.cboYear->currentText().isEmpty())
        return Refusal{tr("Please Specify Your Birth Year"), c.cboYear};

    const int y = c.cboYear->currentText().toInt();
    const int m = c.cboMonth->currentIndex();
    const int d = c.cboDate->currentIndex();
    // The Gregorian rule: 1900 was no leap year, 2000 was.
    if (m == 1 && (isLeapYear(y) ? d >= 29 : d >= 28))
        //: A day past the end of February. The refusal of the 31st of a 30-day month is the
        //: same text with a space before "!": keep them apart where your language allows.
        return Refusal{tr("Please Enter Correct Date Or Month!"), nullptr};
    if ((m == 3 || m == 5 || m == 8 || m == 10) && d == 30)
        //: The 31st of a 30-day month. A day past the end of February is refused with the same
        //: text without the space before "!": keep them apart where your language allows.
        return Refusal{tr("Please Enter Correct Date Or Month !"), nullptr};
    return {};
}

bool frmMain::ValidateInput() {
    const Refusal refusal = firstRefusal();
    if (refusal.message.isEmpty())
        return true;
    MsgBox(platform(), refusal.message, platform::MsgIcon::Information);
    if (refusal.focusTo)
        refusal.focusTo->setFocus(Qt::OtherFocusReason);
    return false;
}

void frmMain::cmdNext_Click() {
    if (!ValidateInput())
        return;
    Hide();
    const QString first = m_ui.txtFirstName->Text(), middle = m_ui.txtMiddleName->Text(),
                  last = m_ui.txtLastName->Text();
    using forms::Utf16View;
    const int number =
        engine::InnerDreamsNumber(Utf16View(first), Utf16View(middle), Utf16View(last));
    m_result.ShowResult(number);
}

void frmMain::mnuNext_Click() { cmdNext_Click(); }

void frmMain::cmdExit_Click() { m_handoff.Run(*this); }
void frmMain::mnuExit_Click() { cmdExit_Click(); }

void frmMain::mnuAbout_Click() { m_about->Show(ShowMode::Modal); }

void frmMain::Label61_Click() { m_help.OpenHomePage(); }
void frmMain::lblCobrand_Click() { m_help.OpenCoBrandPage(); }
void frmMain::lblFullBrand_Click() { m_help.OpenFullBrandPage(); }
void frmMain::mkmoney_Click() { m_help.OpenFullBrandPage(); }
void frmMain::mnuDonate_Click() { m_help.OpenDonatePage(); }
void frmMain::mnuOnline_Click() { m_help.OpenHelpPage(); }
void frmMain::mnuVisit_Click() { m_help.OpenHomePage(); }
void frmMain::mnuUpdate_Click() { m_help.OpenDownloadPage(); }

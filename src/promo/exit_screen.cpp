#include "promo/exit_screen.h"

#include "forms/announcements.h"
#include "forms/controls.h"
#include "forms/palette.h"
#include "forms/text_box.h"
#include "promo/exit_texts.h"
#include "promo/refer_a_friend.h"
#include "shell/mod_help.h"
#include "shell/msg_box.h"
#include "shell/startup.h"

#include <QLabel>
#include <QPushButton>

using forms::ControlDesign;
using forms::FormTextBox;
using forms::Kind;

frmNagScreen2::frmNagScreen2(forms::FormsRuntime& runtime, modHelp& help,
                             modTellAFriend& tellAFriend, frmStartup& startup)
    : forms::Form(runtime), m_help(help), m_tellAFriend(tellAFriend), m_startup(startup) {}

forms::FormDesign frmNagScreen2::Design() const {
    // The caption is a placeholder, replaced at load.
    forms::FormDesign d(QStringLiteral("frmNagScreen2"), QStringLiteral("Lunavik"), 11115, 4725,
                        {QStringLiteral("MS Sans Serif"), 8.25}, palette::White());
    d.icon = false; // assigned at load

    const QString verdana = QStringLiteral("Verdana");
    const auto buttonText = palette::System(forms::SystemColour::ButtonText);

    auto& frame6 = d.Add("Frame6", Kind::Frame, "", 7320, 120, 3735, 4575, 15);
    frame6.caption = tr("Download Orvaneth Softwares");
    frame6.font = {verdana, 9.75, true};
    frame6.back = palette::Navy();
    frame6.fore = palette::White();
    auto& home = d.Add("lblGoToHome", Kind::Label, "Frame6", 75, 4250, 3585, 210, 17);
    home.caption = tr("Click Here To Visit Orvaneth Softwares");
    home.font = {verdana, 9, true, true};
    home.fore = palette::Yellow();
    home.transparent = true;
    home.autoSize = true;
    home.link = true;
    auto& label3 = d.Add("Label3", Kind::Label, "Frame6", 120, 360, 3495, 3855, 16);
    label3.caption = exit_texts::OtherSoftwaresPromotion();
    label3.font = {verdana, 9};
    label3.fore = palette::White();
    label3.transparent = true;

    auto& frame2 = d.Add("Frame2", Kind::Frame, "", 120, 3240, 7065, 1455, 8);
    frame2.caption = tr("Refer A Friend");
    frame2.font = {verdana, 9.75, true};
    frame2.back = palette::Navy();
    frame2.fore = palette::White();

    // Each box is named by its referral value and starts out showing its hint.
    auto box = [&](const ReferralField& field, int l, int t, int w, int h, int tab,
                   const QString& spoken) -> ControlDesign& {
        auto& c = d.Add(field.box, Kind::TextBox, "Frame2", l, t, w, h, tab);
        c.caption = field.Hint();
        c.accessibleName = spoken;
        return c;
    };
    // Below the frame's bottom edge: it takes the focus but is never seen.
    auto& message = box(kMessage, 4800, 3600, 1815, 495, 14, tr("Message"));
    message.caption += QStringLiteral("\r\n");
    message.multiLine = true;
    message.verticalScroll = true;
    //: The box's name for a screen reader; its hint "Friend's Name" is another text.
    box(kFriendName, 85, 720, 3375, 285, 13, tr("Friend's name"));
    //: The box's name for a screen reader; its hint "Friend's Email Address" is another text.
    box(kFriendEmail, 3600, 720, 3375, 285, 12, tr("Friend's e-mail address"));
    //: The box's name for a screen reader; its hint "Your Email Address" is another text.
    box(kSenderEmail, 3600, 360, 3375, 285, 11, tr("Your e-mail address"));
    auto& submit = d.Add("cmdSubmit", Kind::Button, "Frame2", 1920, 1080, 3375, 285, 10);
    submit.caption = tr("Refer A Friend &Now");
    submit.font = {verdana, 8.25, true};
    //: The box's name for a screen reader; its hint "Your Name" is another text.
    box(kSenderName, 85, 360, 3375, 285, 9, tr("Your name"));

    auto& close = d.Add("cmdClose", Kind::Button, "", 6000, 2760, 1245, 375, 0);
    close.caption = tr("E&xit");
    auto& check = d.Add("Check1", Kind::CheckButton, "", 30, 2040, 7185, 555, 1);
    check.caption = exit_texts::VisitBoardCaption();
    check.font = {verdana, 14.25};
    check.fore = palette::DeepBlue();
    check.handCursor = true;
    auto& icon = d.Add("picNagscreen2Icon", Kind::Picture, "", 360, 120, 540, 540, 2);
    icon.accessibleName = tr("Lunavik icon");
    auto& label2 = d.Add("Label2", Kind::Label, "", 120, 840, 6975, 1095, 7);
    label2.caption = exit_texts::BoardAppeal(1);
    label2.font = {verdana, 9.75, true};
    label2.fore = buttonText;
    label2.transparent = true;
    auto& title = d.Add("lblNagScreen2Caption", Kind::Label, "", 1080, 240, 720, 435, 6);
    title.caption = QStringLiteral("Label1");
    title.font = {QStringLiteral("MS Sans Serif"), 18};
    title.fore = buttonText;
    title.transparent = true;
    title.autoSize = true;
    return d;
}

void frmNagScreen2::bind() {
    m_ui = {.Check1 = Require<forms::FormCheckButton>("Check1"),
            .lblNagScreen2Caption = Require<forms::FormLabel>("lblNagScreen2Caption"),
            .Label2 = Require<forms::FormLabel>("Label2"),
            .picNagscreen2Icon = Require<QLabel>("picNagscreen2Icon")};
    for (size_t i = 0; i < kReferralFields.size(); ++i)
        m_ui.fields[i] = {kReferralFields[i], Require<FormTextBox>(kReferralFields[i]->box)};
    connect(Require<QPushButton>("cmdClose"), &QPushButton::clicked, this,
            &frmNagScreen2::cmdClose_Click);
    connect(Require<QPushButton>("cmdSubmit"), &QPushButton::clicked, this,
            &frmNagScreen2::cmdSubmit_Click);
    connect(Require<forms::FormLabel>("lblGoToHome"), &forms::FormLabel::Click, this,
            &frmNagScreen2::lblGoToHome_Click);
    connect(m_ui.Check1, &forms::FormCheckButton::Click, this, &frmNagScreen2::Check1_Click);
    // Named copies rather than structured bindings: clang before 16 cannot capture those.
    for (const auto& entry : m_ui.fields) {
        const ReferralField* field = entry.first;
        FormTextBox* box = entry.second;
        connect(box, &FormTextBox::GotFocus, this,
                [this, field, box] { hintGotFocus(box, *field); });
        connect(box, &FormTextBox::LostFocus, this,
                [this, field, box] { hintLostFocus(box, *field); });
        if (field->email)
            connect(box, &FormTextBox::KeyPress, this,
                    [this, box](int& keyAscii) { emailKeyPress(box, keyAscii); });
    }
}

void frmNagScreen2::unbind() { m_ui = {}; }

void frmNagScreen2::Form_Load() {
    const QString caption = QString::fromLatin1(kWindowCaption);
    SetCaption(caption);
    m_ui.lblNagScreen2Caption->SetCaption(caption);
    const QIcon icon = m_startup.IMGIcon(1);
    SetIcon(icon);
    m_ui.picNagscreen2Icon->setPixmap(icon.pixmap(32, 32));
    platform::RandomGenerator& random = platform().random;
    random.Randomize();
    const int k = static_cast<int>(random.Rnd() * 4.0f);
    m_ui.Label2->SetCaption(exit_texts::BoardAppeal(k));
    forms::DescribeWindowBy(Window(), m_ui.Label2); // the appeal, said as the screen opens
    SetTopmost();
}

void frmNagScreen2::Form_Unload() { m_help.UnloadAllAndEnd(); }

void frmNagScreen2::cmdClose_Click() { m_help.UnloadAllAndEnd(); }

void frmNagScreen2::lblGoToHome_Click() { m_help.OpenSoftwaresPage(); }

void frmNagScreen2::Check1_Click() { m_help.CheckBoxLink_Click(*m_ui.Check1); }

void frmNagScreen2::hintGotFocus(FormTextBox* box, const ReferralField& field) {
    if (field.HoldsHint(box->Text()))
        box->SetText(QString());
}

void frmNagScreen2::hintLostFocus(FormTextBox* box, const ReferralField& field) {
    if (TrimSpaces(box->Text()).isEmpty())
        box->SetText(field.Hint());
}

void frmNagScreen2::emailKeyPress(FormTextBox* box, int& keyAscii) {
    if (keyAscii != ' ')
        return;
    MsgBox(platform(), tr("Email Address Cannot Contain Space"), platform::MsgIcon::Critical);
    keyAscii = 0;
    box->setFocus(Qt::OtherFocusReason);
}

// The checks, the e-mail addresses' included, are the referral module's.
void frmNagScreen2::cmdSubmit_Click() {
    for (const auto& [field, box] : m_ui.fields)
        m_tellAFriend.*field->value = TrimSpaces(box->Text());
    if (m_tellAFriend.CheckEmailAddresses())
        m_tellAFriend.SubmitReferral();
}

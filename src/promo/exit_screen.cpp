#include "promo/exit_screen.h"

#include "app/program.h"
#include "promo/exit_texts.h"
#include "promo/refer_a_friend.h"
#include "ui/colours.h"

#include <QLabel>

using forms::ControlDesign;
using forms::FormTextBox;
using forms::Kind;

namespace {
struct HintedBox {
    const char* name;
    const char* hint;
};
const HintedBox kHintedBoxes[] = {
    {"txtName", "Your Name"},
    {"txtEmail", "Your Email Address"},
    {"txtMessage", "Your Message"},
    {"txtFriendName", "Friend's Name"},
    {"txtFriendEmail", "Friend's Email Address"},
};
QString hintOf(const QString& box) {
    for (const HintedBox& h : kHintedBoxes)
        if (box == QLatin1String(h.name))
            return QLatin1String(h.hint);
    return {};
}
} // namespace

frmNagScreen2::frmNagScreen2(Program& program) : forms::Form(program.runtime), m_program(program) {}

forms::FormDesign frmNagScreen2::Design() const {
    forms::FormDesign d;
    d.name = QStringLiteral("frmNagScreen2");
    d.caption = QStringLiteral("Lunavik"); // placeholder, replaced at load
    d.clientWidth = 11115;
    d.clientHeight = 4725;
    d.back = colours::White();
    d.font = {QStringLiteral("MS Sans Serif"), 8.25};
    d.icon = false; // assigned at load

    const QString verdana = QStringLiteral("Verdana");
    const auto buttonText = colours::System(forms::SystemColour::ButtonText);

    auto& frame6 = d.Add("Frame6", Kind::Frame, "", 7320, 120, 3735, 4575, 15);
    frame6.caption = QStringLiteral("Download Orvaneth Softwares");
    frame6.font = {verdana, 9.75, true};
    frame6.back = colours::Navy();
    frame6.fore = colours::White();
    auto& home = d.Add("lblGoToHome", Kind::Label, "Frame6", 75, 4250, 3585, 210, 17);
    home.caption = QStringLiteral("Click Here To Visit Orvaneth Softwares");
    home.font = {verdana, 9, true, true};
    home.fore = colours::Yellow();
    home.transparent = true;
    home.autoSize = true;
    home.link = true;
    auto& label3 = d.Add("Label3", Kind::Label, "Frame6", 120, 360, 3495, 3855, 16);
    label3.caption = exit_texts::OtherSoftwaresPromotion();
    label3.font = {verdana, 9};
    label3.fore = colours::White();
    label3.transparent = true;

    auto& frame2 = d.Add("Frame2", Kind::Frame, "", 120, 3240, 7065, 1455, 8);
    frame2.caption = QStringLiteral("Refer A Friend");
    frame2.font = {verdana, 9.75, true};
    frame2.back = colours::Navy();
    frame2.fore = colours::White();

    auto box = [&](const char* name, int l, int t, int w, int h, int tab,
                   const char* spoken) -> ControlDesign& {
        auto& c = d.Add(name, Kind::TextBox, "Frame2", l, t, w, h, tab);
        c.caption = hintOf(c.name);
        c.accessibleName = QLatin1String(spoken);
        return c;
    };
    // Below the frame's bottom edge: it takes the focus but is never seen.
    auto& message = box("txtMessage", 4800, 3600, 1815, 495, 14, "Message");
    message.caption = QStringLiteral("Your Message\r\n");
    message.multiLine = true;
    message.verticalScroll = true;
    box("txtFriendName", 85, 720, 3375, 285, 13, "Friend's name");
    box("txtFriendEmail", 3600, 720, 3375, 285, 12, "Friend's e-mail address");
    box("txtEmail", 3600, 360, 3375, 285, 11, "Your e-mail address");
    auto& submit = d.Add("cmdSubmit", Kind::Button, "Frame2", 1920, 1080, 3375, 285, 10);
    submit.caption = QStringLiteral("Refer A Friend &Now");
    submit.font = {verdana, 8.25, true};
    box("txtName", 85, 360, 3375, 285, 9, "Your name");

    auto& close = d.Add("cmdClose", Kind::Button, "", 6000, 2760, 1245, 375, 0);
    close.caption = QStringLiteral("E&xit");
    auto& check = d.Add("Check1", Kind::CheckButton, "", 30, 2040, 7185, 555, 1);
    check.caption = exit_texts::VisitBoardCaption();
    check.font = {verdana, 14.25};
    check.fore = colours::DeepBlue();
    check.handCursor = true;
    auto& icon = d.Add("picNagscreen2Icon", Kind::Picture, "", 360, 120, 540, 540, 2);
    icon.accessibleName = QStringLiteral("Lunavik icon");
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

QString frmNagScreen2::text(const char* box) const {
    return Control<FormTextBox>(QLatin1String(box))->Text();
}

void frmNagScreen2::Bind() {
    connect(Control<QPushButton>(QStringLiteral("cmdClose")), &QPushButton::clicked, this,
            &frmNagScreen2::cmdClose_Click);
    connect(Control<QPushButton>(QStringLiteral("cmdSubmit")), &QPushButton::clicked, this,
            &frmNagScreen2::cmdSubmit_Click);
    connect(Control<forms::FormLabel>(QStringLiteral("lblGoToHome")), &forms::FormLabel::Click,
            this, &frmNagScreen2::lblGoToHome_Click);
    connect(Control<forms::FormCheckButton>(QStringLiteral("Check1")),
            &forms::FormCheckButton::Click, this, &frmNagScreen2::Check1_Click);
    for (const HintedBox& h : kHintedBoxes) {
        const QString name = QLatin1String(h.name);
        auto* box = Control<FormTextBox>(name);
        connect(box, &FormTextBox::GotFocus, this, [this, name] { hintGotFocus(name); });
        connect(box, &FormTextBox::LostFocus, this, [this, name] { hintLostFocus(name); });
    }
    for (const char* email : {"txtEmail", "txtFriendEmail"}) {
        const QString name = QLatin1String(email);
        connect(Control<FormTextBox>(name), &FormTextBox::KeyPress, this,
                [this, name](int& keyAscii) { emailKeyPress(name, keyAscii); });
    }
}

void frmNagScreen2::Form_Load() {
    const QString caption = QString::fromLatin1(kWindowCaption);
    SetCaption(caption);
    Control<forms::FormLabel>(QStringLiteral("lblNagScreen2Caption"))->SetCaption(caption);
    const QIcon icon = m_program.startup.IMGIcon(1);
    SetIcon(icon);
    Control<QLabel>(QStringLiteral("picNagscreen2Icon"))->setPixmap(icon.pixmap(32, 32));
    platform::RandomGenerator& random = m_program.platform.random;
    random.Randomize();
    const int k = static_cast<int>(random.Rnd() * 4.0f);
    Control<forms::FormLabel>(QStringLiteral("Label2"))->SetCaption(exit_texts::BoardAppeal(k));
    SetTopmost();
}

void frmNagScreen2::Form_Unload() { m_program.help.UnloadAllAndEnd(); }

void frmNagScreen2::cmdClose_Click() { m_program.help.UnloadAllAndEnd(); }

void frmNagScreen2::lblGoToHome_Click() { m_program.help.OpenSoftwaresPage(); }

void frmNagScreen2::Check1_Click() {
    m_program.help.CheckBoxLink_Click(*Control<forms::FormCheckButton>(QStringLiteral("Check1")));
}

void frmNagScreen2::hintGotFocus(const QString& box) {
    auto* c = Control<FormTextBox>(box);
    if (c && TrimSpaces(c->Text()) == hintOf(box))
        c->SetText(QString());
}

void frmNagScreen2::hintLostFocus(const QString& box) {
    auto* c = Control<FormTextBox>(box);
    if (c && TrimSpaces(c->Text()).isEmpty())
        c->SetText(hintOf(box));
}

void frmNagScreen2::report(const char* message) {
    m_program.Message(QLatin1String(message), platform::MsgIcon::Critical);
}

void frmNagScreen2::emailKeyPress(const QString& box, int& keyAscii) {
    if (keyAscii != 32)
        return;
    report("Email Address Cannot Contain Space");
    keyAscii = 0;
    if (QWidget* w = Control(box))
        w->setFocus(Qt::OtherFocusReason);
}

void frmNagScreen2::cmdSubmit_Click() {
    modTellAFriend& taf = m_program.tellAFriend;
    taf.strSenderName = TrimSpaces(text("txtName"));
    taf.strSenderEmail = TrimSpaces(text("txtEmail"));
    taf.strMessage = TrimSpaces(text("txtMessage"));
    taf.strFriendName = TrimSpaces(text("txtFriendName"));
    taf.strFriendEmail = TrimSpaces(text("txtFriendEmail"));

    const QString email = TrimSpaces(text("txtEmail"));
    const QString friendEmail = TrimSpaces(text("txtFriendEmail"));
    if (email == friendEmail)
        return report("Please Enter Distinct Email Addresses");
    if (!email.contains(QLatin1Char('@')) || !friendEmail.contains(QLatin1Char('@')))
        return report("Please Enter Proper Email Address");
    if (!email.contains(QLatin1Char('.')) || !friendEmail.contains(QLatin1Char('.')))
        return report("Please Enter Proper Email Address");
    taf.SubmitReferral();
}

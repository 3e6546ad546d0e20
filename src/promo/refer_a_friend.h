#pragma once

#include "engine/inner_dreams.h"
#include "forms/utf16.h"

#include <QCoreApplication>
#include <QString>
#include <array>

namespace platform {
struct Platform;
}

// The engine's trim for the windows' texts: leading and trailing spaces go; tabs and line
// breaks stay.
inline QString TrimSpaces(const QString& text) {
    return QString::fromStdU16String(engine::TrimSpaces(forms::Utf16View(text)));
}

// Turns the refer-a-friend form into one address on the maker's site and opens it.
class modTellAFriend {
    Q_DECLARE_TR_FUNCTIONS(modTellAFriend)

public:
    explicit modTellAFriend(platform::Platform& platform) : m_platform(platform) {}

    // Written by the exit screen's Refer button, each trimmed of spaces.
    QString strSenderName;
    QString strSenderEmail;
    QString strMessage;
    QString strFriendName;
    QString strFriendEmail;
    // Built by SubmitReferral.
    QString strReferralURL;

    // The Refer button's own checks, of the two e-mail addresses (see refusal): reports the first
    // that fails and answers false.
    bool CheckEmailAddresses();
    // Reports the first value missing (see refusal); when all are there, builds strReferralURL
    // and opens it.
    void SubmitReferral();
    void OpenReferralUrl();

    // The address for the five values, given in the order of kReferralFields. Each value is
    // percent-encoded as UTF-8, so the server reads back exactly what was typed, whatever
    // characters it holds.
    static QString BuildReferralUrl(const std::array<QString, 5>& values);

private:
    enum class Checks { EmailAddresses, Values };
    // Every check of the referral form, in its order: the e-mail addresses' (the two differ and
    // each holds an "@" and a "."), then the values' (each, in the order of kReferralFields, is
    // neither empty nor its box's hint). The message of the first of the group that fails, or
    // nothing when all pass.
    QString refusal(Checks checks) const;
    // Shows the refusal, if any, and answers whether there was none.
    bool passes(Checks checks);

    platform::Platform& m_platform;
};

// One value of the referral form: where the Refer button stores it, the exit screen's box it
// is typed into, its parameter in the referral address, the hint its box shows while it holds
// no input, the message when it is left empty or at its hint, and whether it is an e-mail
// address. The texts are English, marked for the catalogues; Hint and Missing give them in the
// user's language.
struct ReferralField {
    QString modTellAFriend::*value;
    const char* box;
    const char* parameter;
    const char* hint;
    const char* missing;
    // An address: typed without spaces, and checked as an address before the others.
    bool email = false;
    // The unseen message box sends its text as it stands, so its hint stays as written.
    bool translatedHint = true;

    QString Hint() const {
        return translatedHint ? QCoreApplication::translate("modTellAFriend", hint)
                              : QString::fromLatin1(hint);
    }
    QString Missing() const { return QCoreApplication::translate("modTellAFriend", missing); }
    // The box still holds its hint, which stands for no input.
    bool HoldsHint(const QString& text) const { return TrimSpaces(text) == Hint(); }
};
inline constexpr ReferralField kSenderName{
    &modTellAFriend::strSenderName, "txtName", "taf1",
    QT_TRANSLATE_NOOP("modTellAFriend", "Your Name"),
    QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Name")};
inline constexpr ReferralField kSenderEmail{
    &modTellAFriend::strSenderEmail,
    "txtEmail",
    "taf2",
    QT_TRANSLATE_NOOP("modTellAFriend", "Your Email Address"),
    QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Email"),
    true};
inline constexpr ReferralField kMessage{
    &modTellAFriend::strMessage,
    "txtMessage",
    "taf3",
    "Your Message",
    QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Message"),
    false,
    false};
inline constexpr ReferralField kFriendName{
    &modTellAFriend::strFriendName, "txtFriendName", "taf4",
    QT_TRANSLATE_NOOP("modTellAFriend", "Friend's Name"),
    QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Friend's Name")};
inline constexpr ReferralField kFriendEmail{
    &modTellAFriend::strFriendEmail,
    "txtFriendEmail",
    "taf5",
    QT_TRANSLATE_NOOP("modTellAFriend", "Friend's Email Address"),
    QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Friend's Email"),
    true};
// In the order SubmitReferral checks them and the address carries them.
inline constexpr std::array<const ReferralField*, 5> kReferralFields = {
    &kSenderName, &kSenderEmail, &kMessage, &kFriendName, &kFriendEmail};

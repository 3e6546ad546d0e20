#pragma once

#include "engine/inner_dreams.h"

#include <QCoreApplication>
#include <QString>
#include <QStringView>
#include <array>

namespace platform {
struct Platform;
}

// Turns the refer-a-friend form into one address on the maker's site and opens it.
class modTellAFriend {
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

    // Checks the five values in order, reporting the first missing one; when all are there,
    // builds strReferralURL and opens it.
    void SubmitReferral();
    void OpenReferralUrl();

    // The address for these values. Each value is percent-encoded as UTF-8, so the server
    // reads back exactly what was typed, whatever characters it holds.
    static QString BuildReferralUrl(const QString& senderName, const QString& senderEmail,
                                    const QString& message, const QString& friendName,
                                    const QString& friendEmail);

private:
    platform::Platform& m_platform;
};

// One value of the referral form: where the Refer button stores it, the hint its box shows
// while it holds no input, and the message when it is left empty or at its hint. The texts are
// English, marked for the catalogues; Hint and Missing give them in the user's language.
struct ReferralField {
    QString modTellAFriend::*value;
    const char* hint;
    const char* missing;
    // The unseen message box sends its text as it stands, so its hint stays as written.
    bool translatedHint = true;

    QString Hint() const {
        return translatedHint ? QCoreApplication::translate("modTellAFriend", hint)
                              : QString::fromLatin1(hint);
    }
    QString Missing() const { return QCoreApplication::translate("modTellAFriend", missing); }
};
inline constexpr ReferralField kSenderName{
    &modTellAFriend::strSenderName, QT_TRANSLATE_NOOP("modTellAFriend", "Your Name"),
    QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Name")};
inline constexpr ReferralField kSenderEmail{
    &modTellAFriend::strSenderEmail, QT_TRANSLATE_NOOP("modTellAFriend", "Your Email Address"),
    QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Email")};
inline constexpr ReferralField kMessage{
    &modTellAFriend::strMessage, "Your Message",
    QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Message"), false};
inline constexpr ReferralField kFriendName{
    &modTellAFriend::strFriendName, QT_TRANSLATE_NOOP("modTellAFriend", "Friend's Name"),
    QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Friend's Name")};
inline constexpr ReferralField kFriendEmail{
    &modTellAFriend::strFriendEmail, QT_TRANSLATE_NOOP("modTellAFriend", "Friend's Email Address"),
    QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Friend's Email")};
// In the order SubmitReferral checks them.
inline constexpr std::array<const ReferralField*, 5> kReferralFields = {
    &kSenderName, &kSenderEmail, &kMessage, &kFriendName, &kFriendEmail};

// The engine's trim for the windows' texts: leading and trailing spaces go; tabs and line
// breaks stay.
inline QString TrimSpaces(const QString& text) {
    return QString::fromStdU16String(
        engine::TrimSpaces(std::u16string_view(QStringView(text).utf16(), text.size())));
}

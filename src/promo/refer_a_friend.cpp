#include "promo/refer_a_friend.h"

#include "app/program.h"
#include "build_config.h"
#include "ui/colours.h"

#include <QUrl>

QString TrimSpaces(const QString& text) {
    qsizetype first = 0, last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

namespace {
QString encoded(const QString& value) {
    // Unreserved characters stay; everything else, "&", "=", "#", "+" and line breaks
    // included, becomes %XX of its UTF-8 bytes.
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}
} // namespace

QString modTellAFriend::BuildReferralUrl(const QString& senderName, const QString& senderEmail,
                                         const QString& message, const QString& friendName,
                                         const QString& friendEmail) {
    return QStringLiteral(LUNAVIK_SITE_BASE "/lunavik/ssd.php?page=orvs-refer-a-friend") +
           QStringLiteral("&taf1=") + encoded(senderName) + QStringLiteral("&taf2=") +
           encoded(senderEmail) + QStringLiteral("&taf3=") + encoded(message) +
           QStringLiteral("&taf4=") + encoded(friendName) + QStringLiteral("&taf5=") +
           encoded(friendEmail) + QStringLiteral("&taf6=" LUNAVIK_SITE_BASE "/lunavik/");
}

void modTellAFriend::SubmitReferral() {
    struct Check {
        const QString& value;
        const char* hint;
        const char* message;
    };
    const Check checks[] = {
        {strSenderName, "Your Name", "Please Enter Your Name"},
        {strSenderEmail, "Your Email Address", "Please Enter Your Email"},
        {strMessage, "Your Message", "Please Enter Your Message"},
        {strFriendName, "Friend's Name", "Please Enter Your Friend's Name"},
        {strFriendEmail, "Friend's Email Address", "Please Enter Your Friend's Email"},
    };
    for (const Check& check : checks) {
        const QString trimmed = TrimSpaces(check.value);
        if (trimmed.isEmpty() || trimmed == QLatin1String(check.hint)) {
            m_program.Message(QLatin1String(check.message), platform::MsgIcon::Critical);
            return;
        }
    }
    strReferralURL =
        BuildReferralUrl(strSenderName, strSenderEmail, strMessage, strFriendName, strFriendEmail);
    OpenReferralUrl();
}

void modTellAFriend::OpenReferralUrl() { m_program.platform.urls.Open(strReferralURL); }

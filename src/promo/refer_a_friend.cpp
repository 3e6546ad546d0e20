#include "promo/refer_a_friend.h"

#include "build_config.h"
#include "platform/services.h"
#include "shell/app_title.h"

#include <QUrl>

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
    for (const ReferralField* field : kReferralFields) {
        const QString trimmed = TrimSpaces(this->*field->value);
        if (trimmed.isEmpty() || trimmed == field->Hint()) {
            MsgBox(m_platform, field->Missing(), platform::MsgIcon::Critical);
            return;
        }
    }
    strReferralURL =
        BuildReferralUrl(strSenderName, strSenderEmail, strMessage, strFriendName, strFriendEmail);
    OpenReferralUrl();
}

void modTellAFriend::OpenReferralUrl() { m_platform.urls.Open(strReferralURL); }

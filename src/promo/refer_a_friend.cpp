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

QString modTellAFriend::BuildReferralUrl(const std::array<QString, 5>& values) {
    QString url = QStringLiteral(LUNAVIK_SITE_BASE "/lunavik/ssd.php?page=orvs-refer-a-friend");
    for (size_t i = 0; i < values.size(); ++i)
        url += u'&' + QLatin1String(kReferralFields[i]->parameter) + u'=' + encoded(values[i]);
    return url + QStringLiteral("&taf6=" LUNAVIK_SITE_BASE "/lunavik/");
}

void modTellAFriend::SubmitReferral() {
    std::array<QString, 5> values;
    for (size_t i = 0; i < values.size(); ++i) {
        const ReferralField& field = *kReferralFields[i];
        values[i] = this->*field.value;
        const QString trimmed = TrimSpaces(values[i]);
        if (trimmed.isEmpty() || trimmed == field.Hint()) {
            MsgBox(m_platform, field.Missing(), platform::MsgIcon::Critical);
            return;
        }
    }
    strReferralURL = BuildReferralUrl(values);
    OpenReferralUrl();
}

void modTellAFriend::OpenReferralUrl() { m_platform.urls.Open(strReferralURL); }

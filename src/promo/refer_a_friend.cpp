#include "promo/refer_a_friend.h"

#include "platform/services.h"
#include "shell/mod_help.h"
#include "shell/msg_box.h"

#include <QStringList>
#include <QUrl>

namespace {
QString encoded(const QString& value) {
    // Unreserved characters stay; everything else, "&", "=", "#", "+" and line breaks
    // included, becomes %XX of its UTF-8 bytes.
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}
} // namespace

QString modTellAFriend::BuildReferralUrl(const std::array<QString, 5>& values) {
    QString url = modHelp::PageUrl("orvs-refer-a-friend");
    for (size_t i = 0; i < values.size(); ++i)
        url += u'&' + QLatin1String(kReferralFields[i]->parameter) + u'=' + encoded(values[i]);
    return url + QLatin1String("&taf6=") + modHelp::SiteFolderUrl();
}

QString modTellAFriend::refusal(Checks checks) const {
    if (checks == Checks::EmailAddresses) {
        QStringList emails;
        for (const ReferralField* field : kReferralFields)
            if (field->email)
                emails << this->*field->value;
        if (emails.constFirst() == emails.constLast())
            return tr("Please Enter Distinct Email Addresses");
        for (const QString& email : emails)
            if (!email.contains(QLatin1Char('@')) || !email.contains(QLatin1Char('.')))
                return tr("Please Enter Proper Email Address");
        return {};
    }
    for (const ReferralField* field : kReferralFields) {
        const QString& value = this->*field->value;
        if (TrimSpaces(value).isEmpty() || field->HoldsHint(value))
            return field->Missing();
    }
    return {};
}

bool modTellAFriend::passes(Checks checks) {
    const QString message = refusal(checks);
    if (!message.isEmpty())
        MsgBox(m_platform, message, platform::MsgIcon::Critical);
    return message.isEmpty();
}

bool modTellAFriend::CheckEmailAddresses() { return passes(Checks::EmailAddresses); }

void modTellAFriend::SubmitReferral() {
    if (!passes(Checks::Values))
        return;
    std::array<QString, 5> values;
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = this->*kReferralFields[i]->value;
    strReferralURL = BuildReferralUrl(values);
    OpenReferralUrl();
}

void modTellAFriend::OpenReferralUrl() { modHelp::OpenInBrowser(m_platform, strReferralURL); }

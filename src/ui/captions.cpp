#include "ui/captions.h"

#include "build_config.h"
#include "shell/app_title.h"

namespace captions {

namespace {

// The site base carries a scheme; the link caption shows the address as people type it.
QString siteAddress() {
    const QString base = QStringLiteral(LUNAVIK_SITE_BASE);
    const qsizetype schemeEnd = base.indexOf(u"://");
    return schemeEnd < 0 ? base : base.mid(schemeEnd + 3);
}

} // namespace

QString CoBrandOffer() {
    return QStringLiteral(
        u"Co-brand this software for your site. Get more loyalty && traffic. Put your site's "
        u"name and link in this place. See Help for details. Click here for more information "
        u"on co-branding.");
}

QString FullBrandOffer() {
    return QStringLiteral(
        u"Home Business Opportunity. Start your own Internet business and make money "
        u"online. Get this software fully branded for your website. Click here "
        u"for more details.");
}

QString BoardBanner() {
    return QStringLiteral(u"The most popular online numerology board and the best resource on the "
                          u"topic. Visit us at ") +
           BoardHost();
}

QString AboutDescription() {
    return QStringLiteral(
        u"Lunavik Software helps you to uncover your secret dreams or inner desires and to "
        u"have a better understanding about them. This software gives an insight into your "
        u"personality as well. All it needs is your name.");
}

QString AboutFullBrandText() {
    return QStringLiteral(
        u"Home Business Opportunity. Start your own Internet business and make money "
        u"online. Get this software fully branded for your website. ");
}

QString AboutHomePageLink() { return QStringLiteral("Click here to visit ") + siteAddress(); }

} // namespace captions

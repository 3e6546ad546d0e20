#include "ui/captions.h"

#include "build_config.h"
#include "shell/mod_help.h"

#include <QCoreApplication>

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
    //: "&&" shows as one ampersand.
    return QCoreApplication::translate(
        "captions",
        "Co-brand this software for your site. Get more loyalty && traffic. Put your site's "
        "name and link in this place. See Help for details. Click here for more information "
        "on co-branding.");
}

QString FullBrandOffer() {
    return QCoreApplication::translate(
        "captions", "Home Business Opportunity. Start your own Internet business and make money "
                    "online. Get this software fully branded for your website. Click here "
                    "for more details.");
}

QString BoardBanner() {
    //: %1 is the host name of the discussion board.
    return QCoreApplication::translate("captions",
                                       "The most popular online numerology board and the best "
                                       "resource on the topic. Visit us at %1")
        .arg(modHelp::BoardHost());
}

QString AboutDescription() {
    return QCoreApplication::translate(
        "captions",
        "Lunavik Software helps you to uncover your secret dreams or inner desires and to "
        "have a better understanding about them. This software gives an insight into your "
        "personality as well. All it needs is your name.");
}

QString AboutFullBrandText() {
    //: The main window's offer without its last sentence, which the link below it says
    //: instead; the space at the end shows nothing, but keep it.
    return QCoreApplication::translate(
        "captions", "Home Business Opportunity. Start your own Internet business and make money "
                    "online. Get this software fully branded for your website. ");
}

QString AboutHomePageLink() {
    //: %1 is the address of the maker's web site.
    return QCoreApplication::translate("captions", "Click here to visit %1").arg(siteAddress());
}

} // namespace captions

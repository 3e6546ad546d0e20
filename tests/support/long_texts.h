#pragma once

#include "build_config.h"

#include <QString>

// The windows' long texts in English, written out as a reader sees them (an ampersand once), so
// that the tests compare the program's texts with these words rather than with its own code.
namespace long_texts {

inline const QString kCoBrandOffer = QStringLiteral(
    "Co-brand this software for your site. Get more loyalty & traffic. Put your site's name and "
    "link in this place. See Help for details. Click here for more information on co-branding.");
// The about box shows the fully-branded offer without its link, which follows as a label.
inline const QString kAboutFullBrandText =
    QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                   "online. Get this software fully branded for your website. ");
inline const QString kFullBrandOffer =
    kAboutFullBrandText + QStringLiteral("Click here for more details.");
inline const QString kBoardBanner =
    QStringLiteral("The most popular online numerology board and the best resource on the topic. "
                   "Visit us at " LUNAVIK_BOARD_HOST);
inline const QString kAboutDescription = QStringLiteral(
    "Lunavik Software helps you to uncover your secret dreams or inner desires and to have a "
    "better understanding about them. This software gives an insight into your personality as "
    "well. All it needs is your name.");
// Two paragraphs joined by a run of 61 spaces.
inline const QString kOtherSoftwaresPromotion =
    QStringLiteral("If you have enjoyed this software you will surely be interested in our other "
                   "Orvaneth Softwares. We have a whole range of programs on astrology, psychic "
                   "abilities, tarot, numerology and the occult. Each of them is easy to use and "
                   "gives you a fresh insight into your life, your relationships, your hidden "
                   "talents and your future.") +
    QString(61, u' ') +
    QStringLiteral("Download them and try them out for yourself today. We are sure you will find "
                   "them just as rewarding. Then do share the experience with your friends and "
                   "family, and let them discover what our programs can reveal about them too!");
// The exit screen's appeals to visit the discussion board, in the order the draw numbers them.
inline const QString kBoardAppeals[] = {
    QStringLiteral("Orvaneth Softwares, such as this can be created and maintained only with your "
                   "support. The best way to support Orvaneth is to visit " LUNAVIK_BOARD_HOST
                   " regularly and to join in the discussions and other board activities."),
    QStringLiteral("Please visit " LUNAVIK_BOARD_HOST " regularly and support it by taking part "
                   "in the discussions and other activities. Programs like this cannot be "
                   "supported and maintained unless you visit the site regularly."),
    QStringLiteral(LUNAVIK_BOARD_HOST " is a free online forum on astrology, numerology and the "
                                      "occult. Visiting it regularly helps us to develop and "
                                      "maintain this software."),
    QStringLiteral(LUNAVIK_BOARD_HOST " needs your help! Visit it regularly and join the various "
                                      "discussions and activities on the board. That way you "
                                      "will help us maintain and develop more Orvaneth "
                                      "Softwares.")};

} // namespace long_texts

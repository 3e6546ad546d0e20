#include "promo/exit_texts.h"

#include "shell/app_title.h"

namespace exit_texts {

QString OtherSoftwaresPromotion() {
    // The run of spaces fills the rest of the label's line whatever the wrapping, so the second
    // paragraph starts on a line of its own.
    return QStringLiteral(
               u"If you have enjoyed this software you will surely be interested in our other "
               u"Orvaneth Softwares. We have a whole range of programs on astrology, psychic "
               u"abilities, tarot, numerology and the occult. Each of them is easy to use and "
               u"gives you a fresh insight into your life, your relationships, your hidden "
               u"talents and your future.") +
           QString(61, u' ') +
           QStringLiteral(
               u"Download them and try them out for yourself today. We are sure you will find them "
               u"just as rewarding. Then do share the experience with your friends and family, and "
               u"let them discover what our programs can reveal about them too!");
}

QString BoardAppeal(int index) {
    switch (index) {
    case 1:
        return QStringLiteral(u"Please visit ") + BoardHost() +
               QStringLiteral(u" regularly and support it by taking part in the discussions and "
                              u"other activities. Programs like this cannot be supported and "
                              u"maintained unless you visit the site regularly.");
    case 2:
        return BoardHost() +
               QStringLiteral(
                   u" is a free online forum on astrology, numerology and the occult. Visiting it "
                   u"regularly helps us to develop and maintain this software.");
    case 3:
        return BoardHost() +
               QStringLiteral(
                   u" needs your help! Visit it regularly and join the various discussions and "
                   u"activities on the board. That way you will help us maintain and develop more "
                   u"Orvaneth Softwares.");
    default:
        return QStringLiteral(
                   u"Orvaneth Softwares, such as this can be created and maintained only with your "
                   u"support. The best way to support Orvaneth is to visit ") +
               BoardHost() +
               QStringLiteral(
                   u" regularly and to join in the discussions and other board activities.");
    }
}

QString VisitBoardCaption() {
    return QStringLiteral("Click Here To Visit ") + BoardHost() + QStringLiteral(" Now");
}

} // namespace exit_texts

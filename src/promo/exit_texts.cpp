#include "promo/exit_texts.h"

#include "shell/mod_help.h"

#include <QCoreApplication>

namespace exit_texts {

namespace {
QString text(const char* english) { return QCoreApplication::translate("exit_texts", english); }
} // namespace

QString OtherSoftwaresPromotion() {
    // The run of spaces fills the rest of the label's line whatever the wrapping, so the second
    // paragraph starts on a line of its own.
    return text(QT_TRANSLATE_NOOP(
               "exit_texts",
               "If you have enjoyed this software you will surely be interested in our other "
               "Orvaneth Softwares. We have a whole range of programs on astrology, psychic "
               "abilities, tarot, numerology and the occult. Each of them is easy to use and "
               "gives you a fresh insight into your life, your relationships, your hidden "
               "talents and your future.")) +
           QString(61, u' ') +
           text(QT_TRANSLATE_NOOP(
               "exit_texts",
               "Download them and try them out for yourself today. We are sure you will find them "
               "just as rewarding. Then do share the experience with your friends and family, and "
               "let them discover what our programs can reveal about them too!"));
}

// %1 in each text is the host name of the discussion board.
QString BoardAppeal(int index) {
    switch (index) {
    case 1:
        return text(QT_TRANSLATE_NOOP("exit_texts",
                                      "Please visit %1 regularly and support it by taking part in "
                                      "the discussions and other activities. Programs like this "
                                      "cannot be supported and maintained unless you visit the "
                                      "site regularly."))
            .arg(modHelp::BoardHost());
    case 2:
        return text(QT_TRANSLATE_NOOP("exit_texts",
                                      "%1 is a free online forum on astrology, numerology and the "
                                      "occult. Visiting it regularly helps us to develop and "
                                      "maintain this software."))
            .arg(modHelp::BoardHost());
    case 3:
        return text(QT_TRANSLATE_NOOP("exit_texts",
                                      "%1 needs your help! Visit it regularly and join the various "
                                      "discussions and activities on the board. That way you will "
                                      "help us maintain and develop more Orvaneth Softwares."))
            .arg(modHelp::BoardHost());
    default:
        return text(QT_TRANSLATE_NOOP("exit_texts",
                                      "Orvaneth Softwares, such as this can be created and "
                                      "maintained only with your support. The best way to support "
                                      "Orvaneth is to visit %1 regularly and to join in the "
                                      "discussions and other board activities."))
            .arg(modHelp::BoardHost());
    }
}

QString VisitBoardCaption() {
    //: %1 is the host name of the discussion board.
    return QCoreApplication::translate("exit_texts", "Click Here To Visit %1 Now")
        .arg(modHelp::BoardHost());
}

} // namespace exit_texts

#pragma once

#include <QStringList>
#include <QTranslator>

namespace app {

// The catalogues of the user's language: the program's own, built into it, and Qt's, so the
// standard buttons speak the same language. English is the language of the sources and needs
// none, so an English desktop loads nothing.
class Translations {
public:
    // For the first of these languages (most wanted first, as QLocale::uiLanguages gives them)
    // that the program speaks; a language it does not speak is passed over, and English stops
    // the search.
    explicit Translations(const QStringList& languages);
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The desktop's choice. On Linux LANGUAGE, LC_ALL, LC_MESSAGES and LANG, through QLocale:
    // as with gettext, a C or POSIX locale means the untranslated texts whatever LANGUAGE says.
    // On Windows the user's display language. Each system has its own unit.
    static QStringList DesktopLanguages();

    bool IsEmpty() const { return m_program.isEmpty(); }

    // Names, each in the language's quotation marks, joined as the language joins a list.
    QString QuotedList(const QStringList& names) const;

    // Into the running application; they stay in while this object lives.
    void Install();

    // A text of the program's own catalogue, or of Qt's (its words in the help), with or without
    // an application object: the one way the start translates.
    QString Translate(const char* context, const char* source) const {
        QString text = m_program.translate(context, source);
        if (text.isEmpty())
            text = m_qt.translate(context, source);
        return text.isEmpty() ? QString::fromUtf8(source) : text;
    }

private:
    QTranslator m_program;
    QTranslator m_qt;
};

} // namespace app

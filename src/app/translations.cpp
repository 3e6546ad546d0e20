#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace app {

Translations::Translations(const QStringList& languages) {
    for (const QString& language : languages) {
        const QLocale locale(language);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return;
        const QString code = QLocale::languageToCode(locale.language());
        if (!m_program.load(QStringLiteral(":/i18n/lunavik_") + code))
            continue;
        m_language = code;
        // Without Qt's catalogue installed the standard buttons simply stay in English.
        (void)m_qt.load(QStringLiteral("qtbase_") + code,
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        return;
    }
}

QStringList Translations::DesktopLanguages() {
    QByteArray messages = qgetenv("LC_ALL");
    if (messages.isEmpty())
        messages = qgetenv("LC_MESSAGES");
    if (messages.isEmpty())
        messages = qgetenv("LANG");
    const QByteArray name = messages.left(messages.indexOf('.'));
    if (name.isEmpty() || name == "C" || name == "POSIX")
        return {};
    return QLocale::system().uiLanguages();
}

void Translations::Install() {
    if (IsEmpty())
        return;
    if (!m_qt.isEmpty())
        QCoreApplication::installTranslator(&m_qt);
    // Installed last, so it is asked first.
    QCoreApplication::installTranslator(&m_program);
}

} // namespace app

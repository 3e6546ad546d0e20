#include "app/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

namespace app {

Translations::Translations(const QStringList& languages) {
    // One catalogue per language, named as Qt names its own ("de", "pt_BR"): a language's one
    // catalogue serves all its countries, so a Portuguese desktop reads the Brazilian texts.
    // Only names are compared: a wildcard filter would start the regular expression engine.
    const QDir catalogues(QStringLiteral(":/i18n"));
    const QStringList files = catalogues.entryList(QDir::Files);
    const QString prefix = QStringLiteral("lunavik_"), suffix = QStringLiteral(".qm");
    for (const QString& language : languages) {
        const QLocale wanted(language);
        if (wanted.language() == QLocale::English || wanted.language() == QLocale::C)
            return;
        for (const QString& file : files) {
            if (!file.startsWith(prefix) || !file.endsWith(suffix))
                continue;
            const QString name = file.sliced(prefix.size()).chopped(suffix.size());
            if (QLocale(name).language() != wanted.language() ||
                !m_program.load(catalogues.filePath(file)))
                continue;
            // Without Qt's catalogue installed the standard buttons simply stay in English.
            (void)m_qt.load(QStringLiteral("qtbase_") + name,
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return;
        }
    }
}

QString Translations::QuotedList(const QStringList& names) const {
    QStringList quoted;
    for (const QString& name : names)
        //: One name, quoted as in the lines around it.
        quoted << Translate("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "'%1'")).arg(name);
    const QLocale locale = IsEmpty() ? QLocale(QLocale::English) : QLocale(m_program.language());
    return locale.createSeparatedList(quoted);
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

#include "app/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

namespace app {

Translations::Translations(const QStringList& languages) {
    // One catalogue per language, named as Qt names its own ("de", "pt_BR"): a language's one
    // catalogue serves all its countries, so a Portuguese desktop reads the Brazilian texts.
    const QDir catalogues(QStringLiteral(":/i18n"));
    const QStringList names = catalogues.entryList({QStringLiteral("lunavik_*.qm")}, QDir::Files);
    for (const QString& language : languages) {
        const QLocale wanted(language);
        if (wanted.language() == QLocale::English || wanted.language() == QLocale::C)
            return;
        for (const QString& file : names) {
            const QString name = file.mid(8).chopped(3); // between "lunavik_" and ".qm"
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

void Translations::Install() {
    if (IsEmpty())
        return;
    if (!m_qt.isEmpty())
        QCoreApplication::installTranslator(&m_qt);
    // Installed last, so it is asked first.
    QCoreApplication::installTranslator(&m_program);
}

} // namespace app

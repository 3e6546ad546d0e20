#include "forms/fonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QWidget>

namespace forms {

namespace {

// Liberation Sans comes first: it runs a little narrower than the originals, so captions written
// for them still fit.
const QStringList& standIns() {
    static const QStringList faces{QStringLiteral("Liberation Sans"),
                                   QStringLiteral("DejaVu Sans")};
    return faces;
}

// Whether the font database lists the family. QFontDatabase::hasFamily first has fontconfig
// resolve the name as an alias, a search of its own for every name asked about; the list is
// read once, from the database every window's text needs anyway.
bool installed(const QString& family) {
    static const QStringList families = QFontDatabase::families();
    return families.contains(family, Qt::CaseInsensitive);
}

// Windows keeps MS Sans Serif as a bitmap font, drawn at a few pixel sizes only: blocky or the
// wrong size at any scale above 100 %. Its TrueType face has the same metrics and scales.
QString scalableFace(const QString& family) {
    return family == QLatin1String("MS Sans Serif") ? QStringLiteral("Microsoft Sans Serif")
                                                    : family;
}

// The installed face for a design family, looked up once: naming it directly spares Qt working
// out a substitute for every control. Where none of the stand-ins is installed either, the
// family is left to the desktop's font matching.
QString installedFamily(const QString& family) {
    static QHash<QString, QString> resolved;
    auto it = resolved.find(family);
    if (it == resolved.end()) {
        QString face = installed(scalableFace(family)) ? scalableFace(family) : family;
        if (!installed(face))
            for (const QString& standIn : standIns())
                if (installed(standIn)) {
                    face = standIn;
                    break;
                }
        it = resolved.insert(family, face);
    }
    return *it;
}

} // namespace

QFont MakeFont(const FontSpec& spec, const QFont& base) {
    QFont font = base;
    if (!spec.family.isEmpty())
        font.setFamily(installedFamily(spec.family));
    if (spec.points > 0)
        font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    font.setUnderline(spec.underline);
    return font;
}

void FitFont(QWidget* control, const QFont& design,
             const std::function<bool(const QFontMetricsF&)>& fits) {
    QFont font = design;
    const qreal smallest = design.pointSizeF() * 0.75;
    for (qreal size = design.pointSizeF() - 0.25;
         size >= smallest && !fits(QFontMetricsF(font, control)); size -= 0.25)
        font.setPointSizeF(size);
    // Set only when it changes: a font set is no longer taken from the container.
    if (font != control->font())
        control->setFont(font);
}

} // namespace forms

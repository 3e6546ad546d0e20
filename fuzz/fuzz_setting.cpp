// The reminder's stored value: decoding and date reading of whatever text the settings file
// holds, and the shift's round trips.
#include "fuzz_input.h"
#include "shell/setting_encoding.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTimeZone>

using namespace setting_encoding;

namespace {

QString fromUnits(const std::u16string& units) {
    return QString(reinterpret_cast<const QChar*>(units.data()), qsizetype(units.size()));
}

QByteArray show(const QString& s) { return s.toUtf8().toPercentEncoding(" :-+/.,"); }

// The locales whose short formats differ most: day/month order, separators, 2-digit years,
// AM/PM, non-Latin digits.
const QLocale& localeFor(uint8_t selector) {
    static const QLocale locales[] = {
        QLocale::c(),
        QLocale(QLocale::English, QLocale::UnitedStates),
        QLocale(QLocale::German, QLocale::Germany),
        QLocale(QLocale::Japanese, QLocale::Japan),
        QLocale(QLocale::Arabic, QLocale::Egypt),
        QLocale(QLocale::Persian, QLocale::Iran),
        QLocale(QLocale::Hindi, QLocale::India),
        QLocale(QLocale::Korean, QLocale::SouthKorea),
    };
    return locales[selector % (sizeof locales / sizeof locales[0])];
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // QLocale and QDateTime want an application object for nothing here, but the time zone
    // database is loaded once rather than on the first input.
    static QCoreApplication app(*argc, *argv);
    (void)QTimeZone::systemTimeZone();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const QLocale& locale = localeFor(data[0]);
    const QString text = fromUnits(SplitFields(data + 1, size - 1, 1)[0]);

    // Whatever the file holds: no crash, never longer than the input.
    const QString decoded = DecodeSetting(text);
    const QString encoded = EncodeSetting(text);
    FUZZ_CHECK(decoded.size() <= text.size() && encoded.size() <= text.size(), "grew: %s",
               show(text).constData());

    // A decoded text only holds characters the shift can take back, and an encoded one only
    // characters it can undo, so both round trips are exact and keep every character.
    const QString reencoded = EncodeSetting(decoded);
    FUZZ_CHECK(reencoded.size() == decoded.size() && DecodeSetting(reencoded) == decoded,
               "Decode(Encode(Decode(x))) != Decode(x) for %s", show(text).constData());
    const QString redecoded = DecodeSetting(encoded);
    FUZZ_CHECK(redecoded.size() == encoded.size() && EncodeSetting(redecoded) == encoded,
               "Encode(Decode(Encode(x))) != Encode(x) for %s", show(text).constData());

    // Printable ASCII, what a date is written in, survives the whole trip unchanged.
    bool ascii = true;
    for (QChar c : text)
        ascii = ascii && c.unicode() >= 0x20 && c.unicode() < 0x7F;
    if (ascii)
        FUZZ_CHECK(DecodeSetting(EncodeSetting(text)) == text, "ASCII lost: %s",
                   show(text).constData());

    // Reading a date never fails loudly, from the raw text or its decoded form. A moment it
    // does read is stored again as text that reads back as the same moment.
    for (const QString& candidate : {text, decoded}) {
        const QDateTime moment = DateFromSetting(candidate, locale);
        if (!moment.isValid())
            continue;
        const int year = moment.date().year();
        if (year < 0 || year > 9999) // ISO 8601 text has four-digit years only
            continue;
        const QString stored = DateToSetting(moment);
        FUZZ_CHECK(!stored.isEmpty(), "no text for %s read from %s",
                   show(moment.toString()).constData(), show(candidate).constData());
        const QString stored2 = DecodeSetting(EncodeSetting(stored));
        FUZZ_CHECK(stored2 == stored, "stored text changed: %s", show(stored).constData());
        const QDateTime back = DateFromSetting(stored2, QLocale::c());
        FUZZ_CHECK(back == moment, "%s read from %s came back as %s",
                   show(moment.toString(Qt::ISODateWithMs)).constData(),
                   show(candidate).constData(), show(back.toString(Qt::ISODateWithMs)).constData());
    }
    return 0;
}

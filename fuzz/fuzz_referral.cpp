// The refer-a-friend address over any five form values.
#include "build_config.h"
#include "fuzz_input.h"
#include "promo/refer_a_friend.h"

#include <QStringDecoder>
#include <QUrl>
#include <QUrlQuery>

namespace {

QString fromUnits(const std::u16string& units) {
    return QString(reinterpret_cast<const QChar*>(units.data()), qsizetype(units.size()));
}

QByteArray show(const QString& s) { return s.toUtf8().toPercentEncoding(); }

bool unreserved(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '-' ||
           u == '.' || u == '_' || u == '~';
}

bool upperHex(QChar c) {
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'F');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto fields = SplitFields(data, size, 5);
    std::array<QString, 5> values;
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = fromUnits(fields[i]);

    const QString url = modTellAFriend::BuildReferralUrl(values);

    // Printable ASCII only: no space, no control character, nothing a browser would mangle.
    for (QChar c : url)
        FUZZ_CHECK(c.unicode() > 0x20 && c.unicode() < 0x7F, "U+%04X in %s", unsigned(c.unicode()),
                   show(url).constData());
    FUZZ_CHECK(!url.contains(QLatin1Char('#')), "fragment in %s", show(url).constData());

    // Each typed value sits between its own key and the next one, made of unreserved
    // characters and %XX escapes only.
    const QString keys[] = {QStringLiteral("&taf1="), QStringLiteral("&taf2="),
                            QStringLiteral("&taf3="), QStringLiteral("&taf4="),
                            QStringLiteral("&taf5="), QStringLiteral("&taf6=")};
    qsizetype from = 0;
    for (int i = 0; i < 5; ++i) {
        const qsizetype start = url.indexOf(keys[i], from);
        FUZZ_CHECK(start >= 0, "no %s in %s", show(keys[i]).constData(), show(url).constData());
        const qsizetype begin = start + keys[i].size();
        const qsizetype end = url.indexOf(keys[i + 1], begin);
        FUZZ_CHECK(end >= 0, "no %s in %s", show(keys[i + 1]).constData(), show(url).constData());
        for (qsizetype k = begin; k < end; ++k) {
            const QChar c = url.at(k);
            if (c == QLatin1Char('%')) {
                FUZZ_CHECK(k + 2 < end && upperHex(url.at(k + 1)) && upperHex(url.at(k + 2)),
                           "bad escape at %lld in %s", static_cast<long long>(k),
                           show(url).constData());
                k += 2;
            } else {
                FUZZ_CHECK(unreserved(c), "raw '%c' in value %d of %s", char(c.unicode()), i + 1,
                           show(url).constData());
            }
        }
        from = end;
    }

    const QUrl parsed(url, QUrl::StrictMode);
    FUZZ_CHECK(parsed.isValid(), "invalid: %s (%s)", show(url).constData(),
               show(parsed.errorString()).constData());
    const QUrl site(QStringLiteral(LUNAVIK_SITE_BASE));
    FUZZ_CHECK(parsed.scheme() == site.scheme() && parsed.host() == site.host() &&
                   parsed.path() == QLatin1String("/lunavik/ssd.php") && !parsed.hasFragment(),
               "wrong place: %s", show(url).constData());

    // The server reads back exactly what was typed: the page, the five values in order, the
    // return address, and nothing else. A lone surrogate has no UTF-8 form; it reads back as
    // whatever UTF-8 conversion makes of it, the same as anywhere else in Qt.
    const QUrlQuery query(parsed);
    const auto items = query.queryItems(QUrl::FullyEncoded);
    FUZZ_CHECK(items.size() == 7, "%lld query items in %s", static_cast<long long>(items.size()),
               show(url).constData());
    FUZZ_CHECK(items[0].first == QLatin1String("page") &&
                   items[0].second == QLatin1String("orvs-refer-a-friend"),
               "page item wrong in %s", show(url).constData());
    for (int i = 0; i < 5; ++i) {
        const QString key = QStringLiteral("taf%1").arg(i + 1);
        FUZZ_CHECK(items[i + 1].first == key, "key %d in %s", i + 1, show(url).constData());
        // The bytes a server decodes are the UTF-8 of the typed text.
        const QByteArray bytes = QByteArray::fromPercentEncoding(items[i + 1].second.toLatin1());
        FUZZ_CHECK(bytes == values[i].toUtf8(), "taf%d carries %s, typed %s", i + 1,
                   bytes.toPercentEncoding().constData(), show(values[i]).constData());
        // Qt's own decoding gives the text back too, except for noncharacters, which QUrl
        // will not decode into a string.
        bool nonCharacter = false;
        for (char32_t u : values[i].toUcs4())
            nonCharacter = nonCharacter || QChar::isNonCharacter(u);
        if (!nonCharacter) {
            // A leading U+FEFF is text here, not a byte order mark to drop.
            QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom);
            const QString expected = utf8.decode(values[i].toUtf8());
            const QString decoded = query.queryItemValue(key, QUrl::FullyDecoded);
            FUZZ_CHECK(decoded == expected, "taf%d read back as %s, typed %s", i + 1,
                       show(decoded).constData(), show(values[i]).constData());
        }
    }
    FUZZ_CHECK(items[6].first == QLatin1String("taf6") &&
                   query.queryItemValue(QStringLiteral("taf6"), QUrl::FullyDecoded) ==
                       QLatin1String(LUNAVIK_SITE_BASE "/lunavik/"),
               "taf6 wrong in %s", show(url).constData());
    return 0;
}

#include "shell/setting_encoding.h"

#include <QLocale>
#include <array>

namespace settings_encoding {

namespace {

// Windows-1252 bytes 0x80-0x9F; the five bytes it leaves unassigned map to the C1 control
// characters of the same value, so every byte from 0 to 255 round-trips.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int toByte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == c)
            return static_cast<int>(0x80 + i);
    return '?';
}

QChar fromByte(int b) {
    return QChar(b >= 0x80 && b < 0xA0 ? kHigh[static_cast<size_t>(b - 0x80)]
                                       : static_cast<char16_t>(b));
}

QString shift(const QString& text, int by) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        const int code = toByte(c.unicode()) + by;
        if (code >= 0 && code <= 255)
            out += fromByte(code);
    }
    return out;
}

} // namespace

QString EncodeSetting(const QString& text) { return shift(text, 85); }

QString DecodeSetting(const QString& text) { return shift(text, -85); }

QString DateToSetting(const QDateTime& moment) { return moment.toString(Qt::ISODate); }

QDateTime DateFromSetting(const QString& text, const QLocale& locale) {
    QDateTime moment = QDateTime::fromString(text, Qt::ISODate);
    if (moment.isValid())
        return moment;
    // Values written by older versions follow the regional format of the day.
    moment = locale.toDateTime(text, QLocale::ShortFormat);
    if (!moment.isValid()) {
        const QDate date = locale.toDate(text, QLocale::ShortFormat);
        moment = date.isValid() ? date.startOfDay() : QDateTime();
    }
    // A two-digit year reads as 19yy; such a value was written this century.
    const bool twoDigitYear =
        !locale.dateFormat(QLocale::ShortFormat).contains(QLatin1String("yyyy"));
    if (moment.isValid() && twoDigitYear && moment.date().year() < 1930)
        moment = moment.addYears(100);
    return moment;
}

} // namespace settings_encoding

#include "shell/setting_encoding.h"

#include <QLocale>
#include <array>

namespace setting_encoding {

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

QString ReminderKey() { return EncodeSetting(QStringLiteral("Duration")); }

QString DateToSetting(const QDateTime& moment) { return moment.toString(Qt::ISODate); }

QDateTime DateFromSetting(const QString& text, const QLocale& locale) {
    QDateTime moment = QDateTime::fromString(text, Qt::ISODate);
    if (moment.isValid())
        return moment;
    // Values written by older versions follow the regional general date of the day: the short
    // date, with a two- or a four-digit year, then the time with or without seconds.
    const QString shortDate = locale.dateFormat(QLocale::ShortFormat);
    QString fullYear = shortDate;
    if (!fullYear.contains(QLatin1String("yyyy")))
        fullYear.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    const QString shortTime = locale.timeFormat(QLocale::ShortFormat);
    QString withSeconds = shortTime;
    if (!withSeconds.contains(QLatin1String("ss")))
        withSeconds.replace(QLatin1String("mm"), QLatin1String("mm:ss"));
    for (const QString& date : {shortDate, fullYear}) {
        for (const QString& time : {shortTime, withSeconds, QString()}) {
            moment = time.isEmpty() ? locale.toDate(text, date).startOfDay()
                                    : locale.toDateTime(text, date + QLatin1Char(' ') + time);
            if (!moment.isValid())
                continue;
            // A two-digit year reads as 19yy; such a value was written this century.
            if (!date.contains(QLatin1String("yyyy")) && moment.date().year() < 1930)
                moment = moment.addYears(100);
            return moment;
        }
    }
    return {};
}

} // namespace setting_encoding

#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// The character shift the reminder's stored name and value are written in, over the
// Windows-1252 single-byte code page.
namespace setting_encoding {

// Each character's code plus 85; a character whose result would pass 255 is left out.
// A character outside the code page counts as "?".
QString EncodeSetting(const QString& text);
// Each character's code minus 85; a character whose result would fall below 0 is left out.
QString DecodeSetting(const QString& text);

// Where the reminder keeps its date: the section and the key, the key already shifted.
inline const QString kReminderSection = QStringLiteral("Settings");
QString ReminderKey();

// The stored moment as text: ISO 8601, ASCII only, so the shift keeps every character.
QString DateToSetting(const QDateTime& moment);
// Reads ISO 8601 first, then the regional general date of the given locale (short date with a
// two- or four-digit year, time with or without seconds); an unreadable text gives an invalid
// QDateTime.
QDateTime DateFromSetting(const QString& text, const QLocale& locale);

} // namespace setting_encoding

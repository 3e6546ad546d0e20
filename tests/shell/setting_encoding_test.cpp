#include "shell/setting_encoding.h"

#include <QLocale>
#include <QStringDecoder>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

using namespace setting_encoding;

// The code page's characters, from Qt's own codec rather than from the code under test.
QString cp1252(std::initializer_list<int> codes) {
    QByteArray bytes;
    for (int code : codes)
        bytes.append(static_cast<char>(code));
    QStringDecoder decoder("windows-1252"); // Qt for Windows has none
    return decoder.isValid() ? decoder.decode(bytes) : QString();
}

TEST(SettingEncoding, ShiftsEveryCodeUpTo170ByEightyFiveInTheCodePage) {
    EXPECT_EQ(EncodeSetting(QStringLiteral("abc")), QStringLiteral(u"\u00B6\u00B7\u00B8"));
    // The stored key; "D" lands on byte 0x99, the trade mark sign.
    EXPECT_EQ(EncodeSetting(QStringLiteral("Duration")),
              QStringLiteral(u"\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3"));
    EXPECT_EQ(EncodeSetting(QString()), QString());
    EXPECT_EQ(DecodeSetting(QString()), QString());
    if (cp1252({0x80}).isEmpty())
        GTEST_SKIP() << "Qt has no windows-1252 codec here";
    QString all;
    for (int code = 0; code <= 170; ++code) {
        SCOPED_TRACE(code);
        EXPECT_EQ(EncodeSetting(cp1252({code})), cp1252({code + 85}));
        EXPECT_EQ(DecodeSetting(cp1252({code + 85})), cp1252({code}));
        all += cp1252({code});
    }
    EXPECT_EQ(DecodeSetting(EncodeSetting(all)), all);
}

TEST(SettingEncoding, LeavesOutWhatCannotShift) {
    const struct {
        QString text, encoded;
    } encodes[] = {{QStringLiteral(u"a\u00ABb"), QStringLiteral(u"\u00B6\u00B7")}, // 171 dropped
                   {QStringLiteral(u"\u00FFa"), QStringLiteral(u"\u00B6")},
                   {QStringLiteral(u"\u00AA"), QStringLiteral(u"\u00FF")}, // 170 kept
                   // no code: "?" (63), shifted to 148, the closing quotation mark
                   {QStringLiteral(u"a\u4E2D"), QStringLiteral(u"\u00B6\u201D")}};
    for (const auto& c : encodes)
        EXPECT_EQ(EncodeSetting(c.text), c.encoded) << qPrintable(c.text);
    EXPECT_EQ(DecodeSetting(QStringLiteral("TU")), QString(QChar(0))); // 84 dropped
    EXPECT_EQ(DecodeSetting(QStringLiteral("2026")), QString());
    EXPECT_EQ(DecodeSetting(QStringLiteral(u"\u4E2D\u00B6")), QStringLiteral("a"));
}

TEST(SettingDates, IsoTextAndRegionalShortFormatsReadBack) {
    const QDateTime moment(QDate(2026, 12, 7), QTime(9, 30));
    const QString iso = DateToSetting(moment);
    EXPECT_EQ(iso, QStringLiteral("2026-12-07T09:30:00"));
    EXPECT_EQ(DecodeSetting(EncodeSetting(iso)), iso);
    // Older versions wrote the short format of their region; German and US English have
    // two-digit years.
    for (const QLocale& locale :
         {QLocale(QLocale::German), QLocale(QLocale::French), QLocale(QLocale::Polish),
          QLocale(QLocale::English, QLocale::UnitedStates)}) {
        const QString text = locale.toString(moment, QLocale::ShortFormat);
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(DateFromSetting(iso, locale).toString(Qt::ISODate), iso);
        EXPECT_EQ(DateFromSetting(text, locale).toString(Qt::ISODate), iso);
    }
}

// The regional general date also carries seconds and a four-digit year.
TEST(SettingDates, RegionalGeneralDateWithSecondsAndFullYearReadsBack) {
    const struct {
        QLocale locale;
        const char *text, *iso;
    } cases[] = {
        {QLocale(QLocale::German, QLocale::Germany), "17.11.2026 09:30:00", "2026-11-17T09:30:00"},
        {QLocale(QLocale::German, QLocale::Germany), "17.11.2026 09:30", "2026-11-17T09:30:00"},
        {QLocale(QLocale::English, QLocale::UnitedStates), "11/17/2026 9:30:00 AM",
         "2026-11-17T09:30:00"},
        {QLocale(QLocale::English, QLocale::UnitedStates), "11/17/2026 9:30:00 PM",
         "2026-11-17T21:30:00"},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), "17/11/2026 09:30:05",
         "2026-11-17T09:30:05"},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), "17/11/2026", "2026-11-17T00:00:00"}};
    for (const auto& c : cases)
        EXPECT_EQ(DateFromSetting(QLatin1String(c.text), c.locale).toString(Qt::ISODate),
                  QLatin1String(c.iso))
            << c.text;
}

TEST(SettingDates, UnreadableTextIsInvalid) {
    for (const char* text : {"", "garbage", "2026-13-45T99:00:00", "07.12.", "31.02.2026 10:00"})
        EXPECT_FALSE(DateFromSetting(QLatin1String(text), QLocale(QLocale::German)).isValid())
            << text;
}

} // namespace

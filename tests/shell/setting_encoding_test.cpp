#include "shell/setting_encoding.h"

#include <QLocale>
#include <QStringDecoder>
#include <gtest/gtest.h>

namespace {

using namespace settings_encoding;

// The code page's characters, from Qt's own codec rather than from the code under test.
QString cp1252(std::initializer_list<int> codes) {
    QByteArray bytes;
    for (int code : codes)
        bytes.append(static_cast<char>(code));
    QStringDecoder decoder("windows-1252");
    return decoder.isValid() ? decoder.decode(bytes) : QString();
}

TEST(SettingEncoding, ShiftsByEightyFiveInTheCodePage) {
    EXPECT_EQ(EncodeSetting(QStringLiteral("abc")), cp1252({182, 183, 184}));
    EXPECT_EQ(DecodeSetting(cp1252({182, 183, 184})), QStringLiteral("abc"));
    // The stored key; "D" lands on byte 0x99, the trade mark sign.
    EXPECT_EQ(EncodeSetting(QStringLiteral("Duration")),
              QStringLiteral(u"\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3"));
    EXPECT_EQ(EncodeSetting(QStringLiteral("+")), QStringLiteral(u"\u20AC"));
    EXPECT_EQ(EncodeSetting(QString()), QString());
    EXPECT_EQ(DecodeSetting(QString()), QString());
}

TEST(SettingEncoding, EveryCodeUpTo170RoundTrips) {
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

struct DropCase {
    const char* name;
    QString text;
    QString encoded; // or decoded, for the decoding rows
    bool decode;
};

class SettingEncodingDrops : public testing::TestWithParam<DropCase> {};

TEST_P(SettingEncodingDrops, LeavesOutWhatCannotShift) {
    const DropCase& c = GetParam();
    EXPECT_EQ(c.decode ? DecodeSetting(c.text) : EncodeSetting(c.text), c.encoded);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingEncodingDrops,
    testing::Values(DropCase{"Encode171Dropped", QStringLiteral(u"a\u00ABb"), cp1252({182, 183}),
                             false},
                    DropCase{"Encode255Dropped", QStringLiteral(u"\u00FFa"), cp1252({182}), false},
                    DropCase{"Encode170Kept", QStringLiteral(u"\u00AA"), cp1252({255}), false},
                    DropCase{"EncodeOutsideCodePageIsQuestionMark", QStringLiteral(u"a\u4E2D"),
                             cp1252({182, '?' + 85}), false},
                    DropCase{"Decode84Dropped", QStringLiteral("TU"), QString(QChar(0)), true},
                    DropCase{"DecodeDigitsDropped", QStringLiteral("2026"), QString(), true},
                    DropCase{"DecodeOutsideCodePageDropped", QStringLiteral(u"\u4E2D\u00B6"),
                             QStringLiteral("a"), true}),
    [](const testing::TestParamInfo<DropCase>& info) { return std::string(info.param.name); });

TEST(SettingDates, IsoTextRoundTripsThroughTheEncoding) {
    const QDateTime moment(QDate(2026, 12, 7), QTime(9, 30));
    const QString text = DateToSetting(moment);
    EXPECT_EQ(text, QStringLiteral("2026-12-07T09:30:00"));
    EXPECT_EQ(DecodeSetting(EncodeSetting(text)), text);
    EXPECT_EQ(DateFromSetting(text, QLocale(QLocale::German)).toString(Qt::ISODate), text);
    EXPECT_EQ(DateFromSetting(text, QLocale(QLocale::English, QLocale::UnitedStates))
                  .toString(Qt::ISODate),
              text);
}

// Values written by older versions, in the short format of the region they ran under.
TEST(SettingDates, ReadsTheRegionalShortFormatItWasWrittenIn) {
    const QDateTime moment(QDate(2026, 12, 7), QTime(9, 30));
    for (const QLocale& locale : {QLocale(QLocale::French), QLocale(QLocale::Polish)}) {
        const QString text = locale.toString(moment, QLocale::ShortFormat);
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(DateFromSetting(text, locale).toString(Qt::ISODate),
                  QStringLiteral("2026-12-07T09:30:00"));
    }
}

TEST(SettingDates, ReadsTwoDigitYearsAsThisCentury) {
    const QDateTime moment(QDate(2026, 12, 7), QTime(9, 30));
    for (const QLocale& locale :
         {QLocale(QLocale::German), QLocale(QLocale::English, QLocale::UnitedStates)}) {
        const QString text = locale.toString(moment, QLocale::ShortFormat);
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(DateFromSetting(text, locale).toString(Qt::ISODate),
                  QStringLiteral("2026-12-07T09:30:00"));
    }
}

TEST(SettingDates, UnreadableTextIsInvalid) {
    for (const char* text : {"", "garbage", "2026-13-45T99:00:00", "07.12.", "31.02.2026 10:00"})
        EXPECT_FALSE(DateFromSetting(QLatin1String(text), QLocale(QLocale::German)).isValid())
            << text;
}

} // namespace

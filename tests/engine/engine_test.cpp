#include "../support/name_oracle.h"
#include "../support/result_texts.h"
#include "engine/inner_dreams.h"
#include "engine/interpretation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace engine;
using namespace result_texts;

// Rows are named by their first field.
template <class Row> std::string rowName(const testing::TestParamInfo<Row>& info) {
    const std::string name = info.param.name;
    return name[0] == '-' ? "minus" + name.substr(1) : name;
}

struct Name {
    const char* name;
    std::u16string_view first, middle, last;
    std::int64_t rawSum;
    int number;
};
class NameToNumber : public testing::TestWithParam<Name> {};

TEST_P(NameToNumber, SumsConsonantsOfTheTrimmedFieldsAndReduces) {
    const Name& c = GetParam();
    EXPECT_EQ(RawSum(c.first, c.middle, c.last), c.rawSum);
    EXPECT_EQ(InnerDreamsNumber(c.first, c.middle, c.last), c.number);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NameToNumber,
    testing::Values(Name{"JohnSmith", u"JOHN", u"", u"SMITH", 29, 2},
                    Name{"AnnaJo", u"ANNA", u"", u"JO", 11, 11},
                    Name{"MaryBo", u"MARY", u"", u"BO", 22, 22},
                    Name{"MaryAnnLee", u"MARY", u"ANN", u"LEE", 33, 6},
                    Name{"DigitsMakeTwentyTwo",
                         u"RRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRM", u"", u"", 499,
                         4},
                    Name{"VowelsOnly", u"AIO", u"", u"EU", 0, 0},
                    Name{"LowerCase", u"john", u"", u"smith", 0, 0},
                    Name{"HyphenAndApostrophe", u"JO-ANN", u"", u"O'NEIL", 19, 1},
                    Name{"FieldsSwapped", u"BO", u"", u"MARY", 22, 22},
                    Name{"AllInTheMiddle", u"", u"MARYBO", u"", 22, 22},
                    Name{"OuterSpaces", u"   ", u" ", u"  ANNA JO  ", 11, 11},
                    Name{"TabsAndBreaksStay", u"\tJOHN\r\n", u"", u"SMITH\t", 29, 2},
                    Name{"Accented", u"\u00C9\u00D1\u00C7\u00DF", u"", u"\u0160", 0, 0},
                    Name{"Surrogates", u"\U0001D4AE\xD800", u"ANNA\xDC00", u"JO", 11, 11}),
    rowName<Name>);

TEST(ConsonantValue, MatchesTheAlphabetRuleForEveryCodeUnit) {
    for (std::uint32_t u = 0; u <= 0xFFFF; ++u)
        ASSERT_EQ(ConsonantValue(static_cast<char16_t>(u)), LetterValue(static_cast<char16_t>(u)))
            << "code unit " << u;
}

TEST(RawSum, LongPastedNamesDoNotOverflow) {
    const std::u16string s(300000, u'S'), r(300000, u'R');
    EXPECT_EQ(RawSum(s, u"", s), 600000);
    EXPECT_EQ(InnerDreamsNumber(s, u"", u""), 3); // 300,000: digits add up to 3
    EXPECT_EQ(RawSum(r, r, r), 8100000);
    EXPECT_EQ(InnerDreamsNumber(r, r, r), 9);
}

TEST(TrimSpaces, RemovesOnlyOuterSpaces) {
    EXPECT_EQ(TrimSpaces(u""), u"");
    EXPECT_EQ(TrimSpaces(u"    "), u"");
    EXPECT_EQ(TrimSpaces(u"  JO ANN  "), u"JO ANN");
    EXPECT_EQ(TrimSpaces(u" \tJO\t "), u"\tJO\t");
    EXPECT_EQ(TrimSpaces(u"\r\nJO\r\n "), u"\r\nJO\r\n");
    EXPECT_EQ(TrimSpaces(u"\u00A0JO "), u"\u00A0JO");
}

TEST(ReduceNumber, AgreesWithTheDigitRuleOverTheWholeSixteenBitRange) {
    for (std::int64_t raw = 0, n = 0; raw <= 32767; n = ++raw) {
        ReduceNumber(n);
        ASSERT_EQ(n, ReducedByDigits(raw)) << "raw sum " << raw;
        ReduceNumber(n); // a reduced number, 11 and 22 included, stays as it is
        ASSERT_EQ(n, ReducedByDigits(raw)) << "raw sum " << raw;
    }
}

class Paragraphs : public testing::TestWithParam<Paragraph> {};

TEST_P(Paragraphs, ReadAsWrittenAndFollowTheIntroduction) {
    const Paragraph& c = GetParam();
    const std::string_view text = Interpretation(c.number);
    EXPECT_EQ(text, std::string_view(c.text));
    // One plain line with single spaces between sentences.
    EXPECT_TRUE(
        std::all_of(text.begin(), text.end(), [](char ch) { return ch >= 0x20 && ch < 0x7F; }));
    EXPECT_EQ(text.find("  "), std::string_view::npos);

    // The same header and introduction for every number; the number follows the header.
    EXPECT_EQ(ResultHeader(), "Your Inner Dreams Number is: ");
    EXPECT_EQ(ResultIntro(), kIntro);
}

INSTANTIATE_TEST_SUITE_P(Numbers, Paragraphs, testing::ValuesIn(kParagraphs), rowName<Paragraph>);

} // namespace

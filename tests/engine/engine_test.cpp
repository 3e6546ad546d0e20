#include "engine/inner_dreams.h"
#include "engine/interpretation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace {

using namespace engine;

// --- Name to number -------------------------------------------------------------------------

struct NameCase {
    const char* name;
    std::u16string_view first, middle, last;
    std::int64_t rawSum;
    int number;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const NameCase& c, std::ostream* os) { *os << c.name; }

class NameToNumber : public testing::TestWithParam<NameCase> {};

TEST_P(NameToNumber, SumsConsonantsAndReduces) {
    const NameCase& c = GetParam();
    EXPECT_EQ(RawSum(c.first, c.middle, c.last), c.rawSum);
    EXPECT_EQ(InnerDreamsNumber(c.first, c.middle, c.last), c.number);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NameToNumber,
    testing::Values(NameCase{"JohnSmithDigitsOf29AreNotKept", u"JOHN", u"", u"SMITH", 29, 2},
                    NameCase{"AnnaJoKeeps11", u"ANNA", u"", u"JO", 11, 11},
                    NameCase{"MaryBoKeeps22", u"MARY", u"", u"BO", 22, 22},
                    NameCase{"MaryAnnLee33IsNotSpecial", u"MARY", u"ANN", u"LEE", 33, 6},
                    NameCase{"VowelsOnly", u"AIO", u"", u"EU", 0, 0},
                    NameCase{"PastedLowerCase", u"john", u"", u"smith", 0, 0},
                    NameCase{"HyphenAndApostrophe", u"JO-ANN", u"", u"O'NEIL", 19, 1},
                    NameCase{"FieldsSwapped", u"BO", u"", u"MARY", 22, 22},
                    NameCase{"LettersMovedIntoMiddle", u"MA", u"RYB", u"O", 22, 22},
                    NameCase{"WholeNameInMiddle", u"", u"MARYBO", u"", 22, 22},
                    NameCase{"WholeNameInFirst", u"MARYBO", u"", u"", 22, 22},
                    NameCase{"YIsAConsonant", u"YY", u"", u"", 14, 5},
                    NameCase{"SpacesOnlyFields", u"   ", u" ", u"  ANNA JO  ", 11, 11},
                    NameCase{"TabsAndLineBreaksCountNothing", u"\tJOHN\r\n", u"", u"SMITH\t", 29,
                             2},
                    NameCase{"AccentedLetters", u"\u00C9\u00D1\u00C7\u00DF", u"", u"\u0160", 0, 0},
                    NameCase{"FullwidthLetters", u"\uFF33\uFF2A", u"", u"\uFF32", 0, 0},
                    NameCase{"SurrogatePair", u"\U0001D4AE\U0001D4B4", u"ANNA", u"JO", 11, 11},
                    NameCase{"LoneSurrogates", u"\xD800", u"\xDC00", u"R", 9, 9}),
    [](const testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

TEST(ConsonantValue, MatchesTheTableForEveryCodeUnit) {
    // Letters grouped by value 1 to 9; every other code unit counts 0.
    constexpr std::u16string_view groups[] = {u"SJ", u"KBT", u"LC",  u"MDV", u"NW",
                                              u"XF", u"PGY", u"QHZ", u"R"};
    for (std::uint32_t u = 0; u <= 0xFFFF; ++u) {
        const auto c = static_cast<char16_t>(u);
        int expected = 0;
        for (int value = 1; value <= 9; ++value) {
            if (groups[value - 1].find(c) != std::u16string_view::npos) {
                expected = value;
            }
        }
        ASSERT_EQ(ConsonantValue(c), expected) << "code unit " << u;
    }
}

TEST(RawSum, LongPastedNamesDoNotOverflow) {
    const std::u16string s(300000, u'S');
    EXPECT_EQ(RawSum(s, u"", s), 600000);
    EXPECT_EQ(InnerDreamsNumber(s, u"", u""), 1 + (300000 - 1) % 9);
    const std::u16string r(300000, u'R');
    EXPECT_EQ(RawSum(r, r, r), 8100000);
    EXPECT_EQ(InnerDreamsNumber(r, r, r), 9);
}

struct TrimCase {
    const char* name;
    std::u16string_view in, out;
};

void PrintTo(const TrimCase& c, std::ostream* os) { *os << c.name; }

class TrimSpacesTest : public testing::TestWithParam<TrimCase> {};

TEST_P(TrimSpacesTest, RemovesOnlyOuterSpaces) {
    EXPECT_EQ(TrimSpaces(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Trim, TrimSpacesTest,
                         testing::Values(TrimCase{"Empty", u"", u""},
                                         TrimCase{"SpacesOnly", u"    ", u""},
                                         TrimCase{"OuterSpaces", u"  JO ANN  ", u"JO ANN"},
                                         TrimCase{"TabsStay", u" \tJO\t ", u"\tJO\t"},
                                         TrimCase{"LineBreaksStay", u"\r\nJO\r\n ", u"\r\nJO\r\n"},
                                         TrimCase{"NoBreakSpaceStays", u"\u00A0JO ", u"\u00A0JO"}),
                         [](const testing::TestParamInfo<TrimCase>& info) {
                             return std::string(info.param.name);
                         });

// --- Reduction -------------------------------------------------------------------------------

TEST(ReduceNumber, AgreesWithTheClosedFormOverTheWholeSixteenBitRange) {
    for (std::int64_t raw = 0; raw <= 32767; ++raw) {
        const std::int64_t expected = (raw == 11 || raw == 22) ? raw
                                      : raw == 0               ? 0
                                                               : 1 + (raw - 1) % 9;
        std::int64_t n = raw;
        const std::int64_t returned = ReduceNumber(n);
        ASSERT_EQ(n, expected) << "raw sum " << raw;
        ASSERT_EQ(returned, expected) << "raw sum " << raw;
    }
}

TEST(ReduceNumber, NamedSums) {
    const std::pair<std::int64_t, std::int64_t> cases[] = {{0, 0},   {11, 11}, {22, 22}, {29, 2},
                                                           {499, 4}, {33, 6},  {10, 1},  {19, 1},
                                                           {28, 1},  {37, 1},  {99, 9},  {199, 1}};
    for (const auto& [raw, expected] : cases) {
        std::int64_t n = raw;
        EXPECT_EQ(ReduceNumber(n), expected) << "raw sum " << raw;
        EXPECT_EQ(n, expected) << "raw sum " << raw;
    }
}

// --- Texts -----------------------------------------------------------------------------------

// Terminators followed by a space or by the end of the text.
int sentenceCount(std::u16string_view text) {
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool terminator = text[i] == u'.' || text[i] == u'!' || text[i] == u'?';
        if (terminator && (i + 1 == text.size() || text[i + 1] == u' ')) {
            ++count;
        }
    }
    return count;
}

struct ParagraphCase {
    const char* name;
    int number; // -1 for the introductory paragraph
    std::size_t length;
    int sentences;
    std::u16string_view opening;
};

void PrintTo(const ParagraphCase& c, std::ostream* os) { *os << c.name; }

class Paragraph : public testing::TestWithParam<ParagraphCase> {};

TEST_P(Paragraph, HasItsOpeningLengthAndSentences) {
    const ParagraphCase& c = GetParam();
    const std::u16string_view text = c.number < 0 ? IntroParagraph() : Interpretation(c.number);
    EXPECT_EQ(text.size(), c.length);
    EXPECT_EQ(sentenceCount(text), c.sentences);
    EXPECT_TRUE(text.starts_with(c.opening));
    // One plain line with single spaces between sentences.
    EXPECT_TRUE(
        std::all_of(text.begin(), text.end(), [](char16_t ch) { return ch >= 0x20 && ch < 0x7F; }));
    EXPECT_EQ(text.find(u"  "), std::u16string_view::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Paragraph,
    testing::Values(
        ParagraphCase{"Intro", -1, 203, 2,
                      u"As the name suggests this number is associated with your personality or "
                      u"your nature. "},
        ParagraphCase{"One", 1, 351, 7, u"Great feeling of importance is what you love. "},
        ParagraphCase{"Two", 2, 338, 6,
                      u"You dream about having close relationships with your friends and other "
                      u"people nearby. "},
        ParagraphCase{"Three", 3, 396, 7, u"All forms of art are you dream roles. "},
        ParagraphCase{"Four", 4, 296, 5,
                      u"You visualize of being someone rock-solid whom everyone can depend on. "},
        ParagraphCase{"Five", 5, 341, 6,
                      u"You would love to be totally free and unreserved by responsibility. "},
        ParagraphCase{"Six", 6, 314, 7, u"You love your family and relations. "},
        ParagraphCase{"Seven", 7, 339, 6,
                      u"You love to grab all opportunities you get to read and shut yourself away "
                      u"from the worldly distractions. "},
        ParagraphCase{"Eight", 8, 305, 4,
                      u"Your vision is success in the business or political world, of power and "
                      u"control of large material undertakings. "},
        ParagraphCase{"Nine", 9, 347, 8, u"You are kind and compassionate. "},
        ParagraphCase{"Eleven", 11, 339, 5,
                      u"You have the dream of casting the light of illumination; being the true "
                      u"idealist. "},
        ParagraphCase{"TwentyTwo", 22, 354, 6,
                      u"You have big dreams of being the pioneer behind something truly "
                      u"monumental. "}),
    [](const testing::TestParamInfo<ParagraphCase>& info) { return std::string(info.param.name); });

TEST(Interpretation, OnlyTableKeysHaveAParagraph) {
    for (const int number : {0, 10, 12, 21, 23, 33, -1, 44}) {
        EXPECT_TRUE(Interpretation(number).empty()) << number;
    }
}

// --- Result text -----------------------------------------------------------------------------

TEST(ResultText, SevenReadsHeaderIntroParagraphAndClosingBreaks) {
    const std::u16string expected = u"Your Inner Dreams Number is: 7\r\n\r\n" +
                                    std::u16string(IntroParagraph()) + u"\r\n\r\n" +
                                    std::u16string(Interpretation(7)) + u"\r\n\r\n\r\n\r\n";
    EXPECT_EQ(ResultText(7), expected);
}

TEST(ResultText, ZeroHasNoParagraphButKeepsItsLineBreaks) {
    const std::u16string expected = u"Your Inner Dreams Number is: 0\r\n\r\n" +
                                    std::u16string(IntroParagraph()) + u"\r\n\r\n\r\n\r\n\r\n\r\n";
    EXPECT_EQ(ResultText(0), expected);
}

TEST(ResultText, MasterNumbersPrintUnreduced) {
    EXPECT_TRUE(ResultText(11).starts_with(u"Your Inner Dreams Number is: 11\r\n\r\n"));
    EXPECT_TRUE(ResultText(22).starts_with(u"Your Inner Dreams Number is: 22\r\n\r\n"));
}

TEST(ResultText, PiecesEndInABlankLineAndJoinToTheWholeText) {
    for (const int number : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22}) {
        const ResultPieces p = ResultTextPieces(number);
        for (const std::u16string* piece : {&p.header, &p.intro, &p.interpretation, &p.ending}) {
            EXPECT_TRUE(piece->ends_with(u"\r\n\r\n")) << number;
        }
        EXPECT_EQ(p.ending, u"\r\n\r\n");
        EXPECT_EQ(p.interpretation, std::u16string(Interpretation(number)) + u"\r\n\r\n");
        EXPECT_EQ(p.header + p.intro + p.interpretation + p.ending, ResultText(number)) << number;
    }
}

} // namespace

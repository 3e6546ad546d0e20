#include "engine/inner_dreams.h"
#include "engine/interpretation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace engine;

TEST(NameToNumber, SumsConsonantsOfTheTrimmedFieldsAndReduces) {
    const struct {
        std::u16string_view first, middle, last;
        std::int64_t rawSum;
        int number;
    } cases[] = {{u"JOHN", u"", u"SMITH", 29, 2},
                 {u"ANNA", u"", u"JO", 11, 11},
                 {u"MARY", u"", u"BO", 22, 22},
                 {u"MARY", u"ANN", u"LEE", 33, 6},
                 {u"AIO", u"", u"EU", 0, 0},
                 {u"john", u"", u"smith", 0, 0},
                 {u"JO-ANN", u"", u"O'NEIL", 19, 1},
                 {u"BO", u"", u"MARY", 22, 22},
                 {u"", u"MARYBO", u"", 22, 22},
                 {u"   ", u" ", u"  ANNA JO  ", 11, 11},
                 {u"\tJOHN\r\n", u"", u"SMITH\t", 29, 2},
                 {u"\u00C9\u00D1\u00C7\u00DF", u"", u"\u0160", 0, 0},
                 {u"\U0001D4AE\xD800", u"ANNA\xDC00", u"JO", 11, 11}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        EXPECT_EQ(RawSum(c.first, c.middle, c.last), c.rawSum);
        EXPECT_EQ(InnerDreamsNumber(c.first, c.middle, c.last), c.number);
    }
}

TEST(ConsonantValue, MatchesTheTableForEveryCodeUnit) {
    // Letters grouped by value 1 to 9; every other code unit counts 0.
    constexpr std::u16string_view groups[] = {u"SJ", u"KBT", u"LC",  u"MDV", u"NW",
                                              u"XF", u"PGY", u"QHZ", u"R"};
    for (std::uint32_t u = 0; u <= 0xFFFF; ++u) {
        const auto c = static_cast<char16_t>(u);
        int expected = 0;
        for (int value = 1; value <= 9; ++value)
            if (groups[value - 1].find(c) != std::u16string_view::npos)
                expected = value;
        ASSERT_EQ(ConsonantValue(c), expected) << "code unit " << u;
    }
}

TEST(RawSum, LongPastedNamesDoNotOverflow) {
    const std::u16string s(300000, u'S'), r(300000, u'R');
    EXPECT_EQ(RawSum(s, u"", s), 600000);
    EXPECT_EQ(InnerDreamsNumber(s, u"", u""), 3); // 300,000: digits add up to 3
    EXPECT_EQ(RawSum(r, r, r), 8100000);
    EXPECT_EQ(InnerDreamsNumber(r, r, r), 9);
}

TEST(TrimSpaces, RemovesOnlyOuterSpaces) {
    const std::pair<std::u16string_view, std::u16string_view> cases[] = {
        {u"", u""},
        {u"    ", u""},
        {u"  JO ANN  ", u"JO ANN"},
        {u" \tJO\t ", u"\tJO\t"},
        {u"\r\nJO\r\n ", u"\r\nJO\r\n"},
        {u"\u00A0JO ", u"\u00A0JO"}};
    for (const auto& [in, out] : cases)
        EXPECT_EQ(TrimSpaces(in), out);
}

// The reduction as the rules state it, on the decimal digits: 11 and 22 stay; otherwise the
// digits are added up, and a sum of two or more digits becomes its first digit plus its last,
// twice.
std::int64_t reducedByDigits(std::int64_t raw) {
    if (raw == 11 || raw == 22)
        return raw;
    auto firstPlusLast = [](std::int64_t n) {
        const std::string digits = std::to_string(n);
        return digits.size() < 2 ? n : (digits.front() - '0') + (digits.back() - '0');
    };
    std::int64_t sum = 0;
    for (const char digit : std::to_string(raw))
        sum += digit - '0';
    return firstPlusLast(firstPlusLast(sum));
}

TEST(ReduceNumber, AgreesWithTheDigitRuleOverTheWholeSixteenBitRange) {
    for (std::int64_t raw = 0; raw <= 32767; ++raw) {
        const std::int64_t expected = reducedByDigits(raw);
        std::int64_t n = raw;
        ASSERT_EQ(ReduceNumber(n), expected) << "raw sum " << raw;
        ASSERT_EQ(n, expected) << "raw sum " << raw;
    }
    for (const auto& [raw, expected] : {std::pair{29, 2}, {499, 4}, {33, 6}, {11, 11}, {22, 22}}) {
        std::int64_t n = raw;
        EXPECT_EQ(ReduceNumber(n), expected) << "raw sum " << raw;
    }
}

// Terminators followed by a space or by the end of the text.
int sentenceCount(std::string_view text) {
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((text[i] == '.' || text[i] == '!' || text[i] == '?') &&
            (i + 1 == text.size() || text[i + 1] == ' '))
            ++count;
    return count;
}

TEST(Texts, EachParagraphHasItsOpeningLengthAndSentences) {
    struct {
        int number; // -1 for the introductory paragraph
        std::size_t length;
        int sentences;
        std::string_view opening;
    } const cases[] = {
        {-1, 203, 2,
         "As the name suggests this number is associated with your personality or your nature. "},
        {1, 351, 7, "Great feeling of importance is what you love. "},
        {2, 338, 6,
         "You dream about having close relationships with your friends and other people nearby. "},
        {3, 396, 7, "All forms of art are you dream roles. "},
        {4, 296, 5, "You visualize of being someone rock-solid whom everyone can depend on. "},
        {5, 341, 6, "You would love to be totally free and unreserved by responsibility. "},
        {6, 314, 7, "You love your family and relations. "},
        {7, 339, 6,
         "You love to grab all opportunities you get to read and shut yourself away from the "
         "worldly distractions. "},
        {8, 305, 4,
         "Your vision is success in the business or political world, of power and control of "
         "large material undertakings. "},
        {9, 347, 8, "You are kind and compassionate. "},
        {11, 339, 5,
         "You have the dream of casting the light of illumination; being the true idealist. "},
        {22, 354, 6,
         "You have big dreams of being the pioneer behind something truly monumental. "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        const std::string_view text = c.number < 0 ? IntroParagraph() : Interpretation(c.number);
        EXPECT_EQ(text.size(), c.length);
        EXPECT_EQ(sentenceCount(text), c.sentences);
        EXPECT_TRUE(text.starts_with(c.opening));
        // One plain line with single spaces between sentences.
        EXPECT_TRUE(
            std::all_of(text.begin(), text.end(), [](char ch) { return ch >= 0x20 && ch < 0x7F; }));
        EXPECT_EQ(text.find("  "), std::string_view::npos);
    }
    for (const int number : {0, 10, 12, 21, 23, 33, -1, 44})
        EXPECT_TRUE(Interpretation(number).empty()) << number;
}

TEST(ResultText, SevenAndZeroReadExactly) {
    const std::u16string head = u"Your Inner Dreams Number is: ";
    const std::u16string intro = English(IntroParagraph().data()) + u"\r\n\r\n";
    EXPECT_EQ(ResultText(7), head + u"7\r\n\r\n" + intro + English(Interpretation(7).data()) +
                                 u"\r\n\r\n\r\n\r\n");
    EXPECT_EQ(ResultText(0), head + u"0\r\n\r\n" + intro + u"\r\n\r\n\r\n\r\n");
}

TEST(ResultText, PiecesJoinToTheWholeTextWithTheNumberUnreduced) {
    for (const int number : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22}) {
        SCOPED_TRACE(number);
        const ResultPieces p = ResultTextPieces(number);
        const std::string digits = std::to_string(number);
        EXPECT_EQ(p.header, u"Your Inner Dreams Number is: " +
                                std::u16string(digits.begin(), digits.end()) + u"\r\n\r\n");
        EXPECT_EQ(p.intro, English(IntroParagraph().data()) + u"\r\n\r\n");
        EXPECT_EQ(p.interpretation, English(Interpretation(number).data()) + u"\r\n\r\n");
        EXPECT_EQ(p.ending, u"\r\n\r\n");
        EXPECT_EQ(p.header + p.intro + p.interpretation + p.ending, ResultText(number));
    }
}

} // namespace

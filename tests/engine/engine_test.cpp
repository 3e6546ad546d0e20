#include "../support/name_oracle.h"
#include "engine/inner_dreams.h"
#include "engine/interpretation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using namespace engine;

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
        ASSERT_EQ(ReduceNumber(n), ReducedByDigits(raw)) << "raw sum " << raw;
        ASSERT_EQ(n, ReducedByDigits(raw)) << "raw sum " << raw;
    }
}

// The English texts as they are, each byte one code unit.
std::u16string ascii(const char* text) { return std::u16string(text, text + std::strlen(text)); }

constexpr std::u16string_view kIntro =
    u"As the name suggests this number is associated with your personality or your nature. It "
    u"signifies your level of comfort in relationships and how much of yourself you are "
    u"willing to let others know about.";

// A number's paragraph, written out whole; the name is the number as the header prints it.
struct Paragraph {
    const char* name;
    int number;
    const char* text; // empty for a number without a paragraph
};
class Paragraphs : public testing::TestWithParam<Paragraph> {};

TEST_P(Paragraphs, ReadAsWrittenAndFollowTheIntroduction) {
    const Paragraph& c = GetParam();
    const std::string_view text = Interpretation(c.number);
    EXPECT_EQ(text, std::string_view(c.text));
    // One plain line with single spaces between sentences.
    EXPECT_TRUE(
        std::all_of(text.begin(), text.end(), [](char ch) { return ch >= 0x20 && ch < 0x7F; }));
    EXPECT_EQ(text.find("  "), std::string_view::npos);

    // The number unreduced in the header, then the pieces in order, each with its blank line.
    const ResultPieces p = ResultTextPieces(c.number, ascii);
    EXPECT_EQ(p.header, u"Your Inner Dreams Number is: " + ascii(c.name) + u"\r\n\r\n");
    EXPECT_EQ(p.intro, std::u16string(kIntro) + u"\r\n\r\n");
    EXPECT_EQ(p.interpretation, ascii(c.text) + u"\r\n\r\n");
    EXPECT_EQ(p.ending, u"\r\n\r\n");
}

// Numbers without a paragraph have an empty text: only 0 arises from a name.
const Paragraph kParagraphs[] = {
    {"1", 1,
     "Great feeling of importance is what you love. You dream of courage, daring and novel ideas. "
     "You see yourself as a pioneer in your own field. At first you may seem aggressive and a "
     "little too sure of yourself. Underneath is a confident and dynamic spirit. You like to be in "
     "control of what happens around you. You are at ease with your own personality."},
    {"2", 2,
     "You dream about having close relationships with your friends and other people nearby. You "
     "are a good peacemaker at heart. Quiet and charming in a silent way, you are easy to get "
     "along with. You would rather stay out of the limelight and let others shine. You are patient "
     "and a good listener. You have a gift for making people feel wanted."},
    {"3", 3,
     "All forms of art are you dream roles. You excel in writing, acting, painting and music. You "
     "wish to express your inner feelings freely and to enjoy life. Charming and witty, you are "
     "the life of the crowd. You dream of being glamorous, happy and optimistic. You like to be "
     "admired and appreciated for all that you do. You bring colour and joy to everyone who is "
     "lucky enough to share your company."},
    {"4", 4,
     "You visualize of being someone rock-solid whom everyone can depend on. You are very well "
     "organized and a meticulous planner. You like order and a predictable consistency in your "
     "life. You are honest and trustworthy, reliable and practical. You understand the value of "
     "every penny you have earned."},
    {"5", 5,
     "You would love to be totally free and unreserved by responsibility. You love travel and "
     "meeting people of other cultures. You live for adventure and often take risks. Stimulating "
     "and quick-minded, you have an infectious happy attitude. You like to imagine all that might "
     "be accomplished. At times you may be irresponsible and self-indulgent."},
    {"6", 6,
     "You love your family and relations. You crave the devotion of your offspring and of a loving "
     "spouse. You dream of a picture-perfect domestic life. You have a fine sense of justice and "
     "fairness. You are compassionate. You keep harmony among the people around you. You are "
     "generous, reliable and trustworthy as well."},
    {"7", 7,
     "You love to grab all opportunities you get to read and shut yourself away from the worldly "
     "distractions. You are serious and intelligent. You do not let people get very close to you. "
     "You feel different from others, and in fact you are. You are spiritually inclined. You want "
     "to spend your whole life in the pursuit of knowledge and wisdom."},
    {"8", 8,
     "Your vision is success in the business or political world, of power and control of large "
     "material undertakings. You crave authority and want recognition of your executive skills. "
     "You are confident, successful, strong and dynamic. Others feel drawn to your powerful "
     "personality and want to learn your ways."},
    {"9", 9,
     "You are kind and compassionate. You are creative and gifted with many artistic talents. You "
     "are aristocratic and noble in your bearing. Others count on you for support and wise advice. "
     "You have excellent taste. You may be sensitive and emotional at times. Yet you stay "
     "self-controlled whatever happens around you. You want to do much for humanity."},
    {"11", 11,
     "You have the dream of casting the light of illumination; being the true idealist. You are of "
     "the silent, shy type, but your own efforts have improved you a lot. You radiate a warmth "
     "that naturally attracts other people to you. You like peace and keep all disturbances out of "
     "your life. You are sensitive, charming and a wonderful listener."},
    {"22", 22,
     "You have big dreams of being the pioneer behind something truly monumental. You think big "
     "and dream big, and you have what it takes to fulfil those dreams. You are innovative, yet "
     "simple at heart. You are responsible and efficient in all that you do. With a little "
     "perseverance and focus you will succeed at anything. You are a true leader and motivator."},
    {"0", 0, ""},
    {"10", 10, ""},
    {"12", 12, ""},
    {"21", 21, ""},
    {"23", 23, ""},
    {"33", 33, ""},
    {"-1", -1, ""},
    {"44", 44, ""}};
INSTANTIATE_TEST_SUITE_P(Numbers, Paragraphs, testing::ValuesIn(kParagraphs), rowName<Paragraph>);

} // namespace

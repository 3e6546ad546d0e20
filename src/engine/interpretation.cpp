#include "engine/interpretation.h"

#include <string>

namespace engine {

namespace {

constexpr std::u16string_view kIntro =
    u"As the name suggests this number is associated with your personality or your nature. It "
    u"signifies your level of comfort in relationships and how much of yourself you are willing "
    u"to let others know about.";

// One paragraph per number, each a single line: the result window wraps it itself.
struct Entry {
    int number;
    std::u16string_view text;
};

constexpr Entry kTable[] = {
    {1,
     u"Great feeling of importance is what you love. You dream of courage, daring and novel "
     u"ideas. You see yourself as a pioneer in your own field. At first you may seem aggressive "
     u"and a little too sure of yourself. Underneath is a confident and dynamic spirit. You like "
     u"to be in control of what happens around you. You are at ease with your own personality."},
    {2,
     u"You dream about having close relationships with your friends and other people nearby. You "
     u"are a good peacemaker at heart. Quiet and charming in a silent way, you are easy to get "
     u"along with. You would rather stay out of the limelight and let others shine. You are "
     u"patient and a good listener. You have a gift for making people feel wanted."},
    {3,
     u"All forms of art are you dream roles. You excel in writing, acting, painting and music. "
     u"You wish to express your inner feelings freely and to enjoy life. Charming and witty, you "
     u"are the life of the crowd. You dream of being glamorous, happy and optimistic. You like to "
     u"be admired and appreciated for all that you do. You bring colour and joy to everyone who "
     u"is lucky enough to share your company."},
    {4,
     u"You visualize of being someone rock-solid whom everyone can depend on. You are very well "
     u"organized and a meticulous planner. You like order and a predictable consistency in your "
     u"life. You are honest and trustworthy, reliable and practical. You understand the value of "
     u"every penny you have earned."},
    {5,
     u"You would love to be totally free and unreserved by responsibility. You love travel and "
     u"meeting people of other cultures. You live for adventure and often take risks. Stimulating "
     u"and quick-minded, you have an infectious happy attitude. You like to imagine all that "
     u"might be accomplished. At times you may be irresponsible and self-indulgent."},
    {6,
     u"You love your family and relations. You crave the devotion of your offspring and of a "
     u"loving spouse. You dream of a picture-perfect domestic life. You have a fine sense of "
     u"justice and fairness. You are compassionate. You keep harmony among the people around you. "
     u"You are generous, reliable and trustworthy as well."},
    {7,
     u"You love to grab all opportunities you get to read and shut yourself away from the worldly "
     u"distractions. You are serious and intelligent. You do not let people get very close to "
     u"you. You feel different from others, and in fact you are. You are spiritually inclined. "
     u"You want to spend your whole life in the pursuit of knowledge and wisdom."},
    {8,
     u"Your vision is success in the business or political world, of power and control of large "
     u"material undertakings. You crave authority and want recognition of your executive skills. "
     u"You are confident, successful, strong and dynamic. Others feel drawn to your powerful "
     u"personality and want to learn your ways."},
    {9, u"You are kind and compassionate. You are creative and gifted with many artistic talents. "
        u"You are aristocratic and noble in your bearing. Others count on you for support and wise "
        u"advice. You have excellent taste. You may be sensitive and emotional at times. Yet you "
        u"stay self-controlled whatever happens around you. You want to do much for humanity."},
    {11,
     u"You have the dream of casting the light of illumination; being the true idealist. You are "
     u"of the silent, shy type, but your own efforts have improved you a lot. You radiate a "
     u"warmth that naturally attracts other people to you. You like peace and keep all "
     u"disturbances out of your life. You are sensitive, charming and a wonderful listener."},
    {22,
     u"You have big dreams of being the pioneer behind something truly monumental. You think big "
     u"and dream big, and you have what it takes to fulfil those dreams. You are innovative, yet "
     u"simple at heart. You are responsible and efficient in all that you do. With a little "
     u"perseverance and focus you will succeed at anything. You are a true leader and motivator."},
};

std::u16string decimal(int number) {
    const std::string digits = std::to_string(number);
    return std::u16string(digits.begin(), digits.end());
}

} // namespace

std::u16string_view IntroParagraph() { return kIntro; }

std::u16string_view Interpretation(int number) {
    for (const Entry& entry : kTable) {
        if (entry.number == number) {
            return entry.text;
        }
    }
    return {};
}

ResultPieces ResultTextPieces(int number) {
    ResultPieces pieces;
    pieces.header = std::u16string(kHeader) + decimal(number) + std::u16string(kBlankLine);
    pieces.intro = std::u16string(kIntro) + std::u16string(kBlankLine);
    // A number without a paragraph still gets its line breaks, so the text keeps its shape.
    pieces.interpretation = std::u16string(Interpretation(number)) + std::u16string(kBlankLine);
    pieces.ending = std::u16string(kBlankLine);
    return pieces;
}

std::u16string ResultText(int number) {
    const ResultPieces pieces = ResultTextPieces(number);
    return pieces.header + pieces.intro + pieces.interpretation + pieces.ending;
}

} // namespace engine

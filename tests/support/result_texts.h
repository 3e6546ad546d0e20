#pragma once

// The result's texts in English, written out for the engine's tests and the result window's.
namespace result_texts {

inline constexpr const char* kIntro =
    "As the name suggests this number is associated with your personality or your nature. It "
    "signifies your level of comfort in relationships and how much of yourself you are willing to "
    "let others know about.";

// A number's paragraph, written out whole; the name, the number written out, names its test row.
struct Paragraph {
    const char* name;
    int number;
    const char* text; // empty for a number without a paragraph
};
// Numbers without a paragraph have an empty text: only 0 arises from a name.
inline constexpr Paragraph kParagraphs[] = {
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

} // namespace result_texts

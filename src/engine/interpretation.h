#pragma once

#include <string>
#include <string_view>

// The texts the result window shows for a number. They are kept in English (UTF-8, marked for
// the translators' catalogues in the context "engine"); whoever shows them passes the function
// that gives the text in the user's language.
namespace engine {

// Turns one of these English texts into the text to show.
using TextFor = std::u16string (*)(const char* english);

// The paragraph for exactly this number (1-9, 11, 22); empty for any other value.
std::string_view Interpretation(int number);

// The result text in the four pieces the result window inserts one after another; each piece
// already ends with CR LF CR LF. The number itself reads the same in every language.
struct ResultPieces {
    std::u16string header;         // "Your Inner Dreams Number is: " + number
    std::u16string intro;          // the introductory paragraph, the same for every number
    std::u16string interpretation; // Interpretation(number), possibly empty
    std::u16string ending;         // the final pair of line breaks
};
ResultPieces ResultTextPieces(int number, TextFor textFor);

} // namespace engine

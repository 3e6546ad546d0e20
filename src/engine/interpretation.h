#pragma once

#include <string>
#include <string_view>

// The texts the result window shows for a number.
namespace engine {

inline constexpr std::u16string_view kHeader = u"Your Inner Dreams Number is: ";
inline constexpr std::u16string_view kBlankLine = u"\r\n\r\n";

// The introductory paragraph, the same for every number.
std::u16string_view IntroParagraph();

// The paragraph for exactly this number (1-9, 11, 22); empty for any other value.
std::u16string_view Interpretation(int number);

// The result text in the four pieces the main window inserts one after another; each piece
// already ends with CR LF CR LF.
struct ResultPieces {
    std::u16string header;         // kHeader + number
    std::u16string intro;          // IntroParagraph()
    std::u16string interpretation; // Interpretation(number), possibly empty
    std::u16string ending;         // the final pair of line breaks
};
ResultPieces ResultTextPieces(int number);

// The four pieces joined.
std::u16string ResultText(int number);

} // namespace engine

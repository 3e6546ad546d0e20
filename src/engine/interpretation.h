#pragma once

#include <string_view>

// The texts the result window shows for a number. They are kept in English (UTF-8, marked for
// the translators' catalogues in the context "engine"); whoever shows them gives them in the
// user's language.
namespace engine {

// The line that opens the result; the number follows it, and reads the same in every language.
std::string_view ResultHeader();
// The introductory paragraph, the same for every number.
std::string_view ResultIntro();
// The paragraph for exactly this number (1-9, 11, 22); empty for any other value.
std::string_view Interpretation(int number);

} // namespace engine

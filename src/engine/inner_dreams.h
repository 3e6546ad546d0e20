#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The inner dreams number: consonant values of a full name, summed and reduced.
// Text is UTF-16, as the windows hold it; the engine never throws and never fails.
namespace engine {

// Value of one UTF-16 code unit in the consonant table (exact, case-sensitive): 1 to 9 for the
// 21 upper-case consonants A-Z (Y counts 7), 0 for everything else.
int ConsonantValue(char16_t c);

// Removes leading and trailing U+0020 only; tabs and line breaks stay.
std::u16string TrimSpaces(std::u16string_view text);

// Sum of consonant values of trim(first) + trim(middle) + trim(last). Wide, so a pasted name
// of any length cannot overflow it.
std::int64_t RawSum(std::u16string_view first, std::u16string_view middle,
                    std::u16string_view last);

// Replaces n by its reduced value: 11 and 22 stay when the raw sum itself is 11 or 22, 0 stays
// 0, every other n becomes 1 + ((n - 1) mod 9).
void ReduceNumber(std::int64_t& n);

// The whole computation: 0 to 9, 11 or 22.
int InnerDreamsNumber(std::u16string_view first, std::u16string_view middle,
                      std::u16string_view last);

} // namespace engine

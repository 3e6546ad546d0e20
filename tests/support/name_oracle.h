#pragma once

#include <cstdint>

// The name computation worked out independently of the engine, for its tests and its fuzz target.

// Letter values counted along the alphabet (A=1 ... I=9, J=1 ...), vowels left out, rather than
// copied from the engine's table, so that a typo in either shows up.
inline int LetterValue(char16_t c) {
    const bool vowel = c == u'A' || c == u'E' || c == u'I' || c == u'O' || c == u'U';
    return c < u'A' || c > u'Z' || vowel ? 0 : (c - u'A') % 9 + 1;
}

inline std::int64_t DigitSum(std::int64_t n) { return n < 10 ? n : n % 10 + DigitSum(n / 10); }

// The reduction on the decimal digits as the rules describe it, not with the engine's
// arithmetic: 11 and 22 stay when the sum itself is one of them, and the digits of any other sum
// are added up until one digit is left; nothing (0 or below) gives 0.
inline std::int64_t ReducedByDigits(std::int64_t n) {
    if (n == 11 || n == 22)
        return n;
    while (n > 9)
        n = DigitSum(n);
    return n < 0 ? 0 : n;
}

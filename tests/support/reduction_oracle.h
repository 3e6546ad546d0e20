#pragma once

#include <algorithm>
#include <cstdint>

inline std::int64_t DigitSum(std::int64_t n) { return n < 10 ? n : n % 10 + DigitSum(n / 10); }

// The reduction worked out on the decimal digits as the rules describe it, not with the
// engine's arithmetic: 11 and 22 stay when the sum itself is one of them, and the digits of any
// other sum are added up until one digit is left; nothing (0 or below) gives 0.
inline std::int64_t ReducedByDigits(std::int64_t n) {
    if (n == 11 || n == 22)
        return n;
    while (n > 9)
        n = DigitSum(n);
    return std::max<std::int64_t>(n, 0);
}

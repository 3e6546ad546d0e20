#include "engine/inner_dreams.h"

namespace engine {

int ConsonantValue(char16_t c) {
    // Only the exact upper-case letters count: pasted lower case, accented letters and
    // surrogate halves all fall through to 0.
    switch (c) {
    case u'S':
    case u'J':
        return 1;
    case u'K':
    case u'B':
    case u'T':
        return 2;
    case u'L':
    case u'C':
        return 3;
    case u'M':
    case u'D':
    case u'V':
        return 4;
    case u'N':
    case u'W':
        return 5;
    case u'X':
    case u'F':
        return 6;
    case u'P':
    case u'G':
    case u'Y':
        return 7;
    case u'Q':
    case u'H':
    case u'Z':
        return 8;
    case u'R':
        return 9;
    default:
        return 0;
    }
}

namespace {

std::u16string_view trimmed(std::u16string_view text) {
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(u' ');
    return text.substr(first, last - first + 1);
}

} // namespace

std::u16string TrimSpaces(std::u16string_view text) { return std::u16string(trimmed(text)); }

namespace {

std::int64_t sumOf(std::u16string_view text) {
    std::int64_t sum = 0;
    for (const char16_t c : text) {
        sum += ConsonantValue(c);
    }
    return sum;
}

} // namespace

std::int64_t RawSum(std::u16string_view first, std::u16string_view middle,
                    std::u16string_view last) {
    // Summing the trimmed fields one by one gives the same total as summing their
    // concatenation, without building the joined name or copying a field.
    return sumOf(trimmed(first)) + sumOf(trimmed(middle)) + sumOf(trimmed(last));
}

void ReduceNumber(std::int64_t& n) {
    // Only the raw sum itself is tested for 11 and 22; a sum whose digits add up to 11 or
    // 22 (29, 499) is reduced to a single digit like any other.
    if (n == 11 || n == 22) {
        return;
    }
    // A raw sum is never negative; anything at or below 0 counts as no consonants.
    n = n <= 0 ? 0 : 1 + (n - 1) % 9;
}

int InnerDreamsNumber(std::u16string_view first, std::u16string_view middle,
                      std::u16string_view last) {
    std::int64_t sum = RawSum(first, middle, last);
    ReduceNumber(sum);
    return static_cast<int>(sum);
}

} // namespace engine

// The inner dreams number over any three name fields.
#include "engine/inner_dreams.h"
#include "fuzz_input.h"
#include "name_oracle.h"

#include <cstring>
#include <limits>

namespace {

std::u16string trimmed(const std::u16string& s) {
    size_t b = 0, e = s.size();
    while (b < e && s[b] == u' ')
        ++b;
    while (e > b && s[e - 1] == u' ')
        --e;
    return s.substr(b, e - b);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Any 64-bit value goes through the reduction, the extremes included.
    if (size >= 8) {
        std::int64_t n;
        std::memcpy(&n, data, sizeof n);
        std::int64_t reduced = n;
        engine::ReduceNumber(reduced);
        FUZZ_CHECK(reduced == ReducedByDigits(n), "ReduceNumber(%lld) left %lld",
                   static_cast<long long>(n), static_cast<long long>(reduced));
    }

    const auto fields = SplitFields(data, size, 3);
    std::int64_t sum = 0;
    for (const auto& field : fields) {
        const std::u16string t = engine::TrimSpaces(field);
        FUZZ_CHECK(t == trimmed(field), "TrimSpaces differs on a field of %zu units", field.size());
        for (char16_t c : field) {
            FUZZ_CHECK(engine::ConsonantValue(c) == LetterValue(c), "value of U+%04X",
                       static_cast<unsigned>(c));
            sum += LetterValue(c);
        }
    }
    const std::int64_t raw = engine::RawSum(fields[0], fields[1], fields[2]);
    FUZZ_CHECK(raw == sum, "RawSum %lld, expected %lld", static_cast<long long>(raw),
               static_cast<long long>(sum));

    const int number = engine::InnerDreamsNumber(fields[0], fields[1], fields[2]);
    FUZZ_CHECK((number >= 0 && number <= 9) || number == 11 || number == 22, "number %d", number);
    FUZZ_CHECK(number == ReducedByDigits(sum), "number %d for raw sum %lld", number,
               static_cast<long long>(sum));
    return 0;
}

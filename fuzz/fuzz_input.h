#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// The fuzz input read as UTF-16LE code units, any of them: lone surrogates, NUL and control
// characters included. U+FFFF separates the fields; the last field takes everything after the
// last separator it needs, U+FFFF included, so that unit is still reachable. A trailing odd
// byte is ignored. Seeds stay readable: python3 -c "print('A\uffffB'.encode('utf-16-le'))".
inline std::vector<std::u16string> SplitFields(const uint8_t* data, size_t size, size_t count) {
    std::vector<std::u16string> fields(1);
    for (size_t i = 0; i + 1 < size; i += 2) {
        const char16_t unit = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
        if (unit == 0xFFFF && fields.size() < count)
            fields.emplace_back();
        else
            fields.back().push_back(unit);
    }
    fields.resize(count);
    return fields;
}

// Stops the run with a message libFuzzer keeps next to the crashing input.
#define FUZZ_CHECK(cond, ...)                                                                      \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            std::fprintf(stderr, "check failed: %s\n  ", #cond);                                   \
            std::fprintf(stderr, __VA_ARGS__);                                                     \
            std::fprintf(stderr, "\n");                                                            \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

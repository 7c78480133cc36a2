#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace tavor::fuzz {

// A broken property is a finding like a crash: libFuzzer keeps the input that broke it.
inline void require(bool holds, const char* property) {
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

// A UTF-16 text from the front of the input, up to a lone backslash (ConsumeRandomLengthString:
// two backslashes stand for one) and of at most `maxBytes` bytes. A byte below 0x80 is that
// ASCII unit; a byte from 0x80 up is followed by the unit's two bytes, high first, so that seeds
// stay readable and every unit (surrogates, U+FFFD, the width forms) can still be reached.
inline std::u16string takeText(FuzzedDataProvider& data, std::size_t maxBytes) {
    const std::string bytes = data.ConsumeRandomLengthString(maxBytes);
    std::u16string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80 || i + 2 >= bytes.size()) {
            text.push_back(b);
            continue;
        }
        const auto high = static_cast<unsigned char>(bytes[i + 1]),
                   low = static_cast<unsigned char>(bytes[i + 2]);
        text.push_back(static_cast<char16_t>((high << 8) | low));
        i += 2;
    }
    return text;
}

// Unpaired surrogates are no text that UTF-8 or a code page can hold, nor one a person types.
inline bool pairedSurrogates(std::u16string_view s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] >= 0xDC00 && s[i] <= 0xDFFF)
            return false;
        if (s[i] >= 0xD800 && s[i] <= 0xDBFF) {
            if (i + 1 == s.size() || s[i + 1] < 0xDC00 || s[i + 1] > 0xDFFF)
                return false;
            ++i;
        }
    }
    return true;
}

}  // namespace tavor::fuzz

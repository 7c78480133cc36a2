#include "convert/Replace.h"

#include "ui/Platform.h"

namespace tavor {

namespace {

bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

Replacer::Replacer(std::u16string search, std::u16string replacement, bool ignoreCase,
                   Platform& platform)
    : search_(std::move(search)),
      replacement_(std::move(replacement)),
      ignoreCase_(ignoreCase),
      platform_(platform) {
    comparableSearch_ = ignoreCase_ ? comparable(search_) : search_;
}

// Match positions in the upper-cased text must be positions in the original. When the
// locale's upper-casing changes the length (ß to SS), the text is upper-cased character by
// character instead, each character keeping its own form where its upper case is longer.
std::u16string Replacer::comparable(const std::u16string& text) const {
    std::u16string upper = platform_.upperCase(text);
    if (upper.size() == text.size())
        return upper;
    upper.clear();
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t len =
            isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1]) ? 2 : 1;
        const std::u16string one = text.substr(i, len);
        const std::u16string oneUpper = platform_.upperCase(one);
        upper += oneUpper.size() == len ? oneUpper : one;
        i += len;
    }
    return upper;
}

// Writes into the text's own buffer where the result is not longer, else through a scratch
// buffer that is handed on from line to line, so that most lines cost no allocation.
void Replacer::apply(std::u16string& text) const {
    if (search_.empty())
        return;
    // Case-exact matching searches the text itself; writing in place below only touches what
    // has been searched already.
    std::u16string upper;
    std::u16string_view haystack = text;
    if (ignoreCase_) {
        upper = comparable(text);
        haystack = upper;
    }
    std::size_t hit = haystack.find(std::u16string_view(comparableSearch_));
    if (hit == std::u16string::npos)
        return;
    const std::size_t step = comparableSearch_.size();
    if (replacement_.size() <= step) {
        // Written left to right, the output never overtakes the input still to be read.
        using Traits = std::u16string::traits_type;
        char16_t* const data = text.data();
        std::size_t write = 0, read = 0;
        while (hit != std::u16string::npos) {
            Traits::move(data + write, data + read, hit - read);
            write += hit - read;
            Traits::copy(data + write, replacement_.data(), replacement_.size());
            write += replacement_.size();
            read = hit + step;
            hit = haystack.find(std::u16string_view(comparableSearch_), read);
        }
        Traits::move(data + write, data + read, text.size() - read);
        text.resize(write + text.size() - read);
        return;
    }
    scratch_.clear();
    std::size_t from = 0;
    while (hit != std::u16string::npos) {
        scratch_.append(text, from, hit - from);
        scratch_ += replacement_;
        from = hit + step;
        hit = haystack.find(std::u16string_view(comparableSearch_), from);
    }
    scratch_.append(text, from);
    // The line takes the scratch buffer and leaves its own for the next line.
    text.swap(scratch_);
}

}  // namespace tavor

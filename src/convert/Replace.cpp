#include "convert/Replace.h"

#include <algorithm>
#include <utility>

#include "ui/Platform.h"

namespace tavor {

namespace {

bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Upper-casing changes with its neighbours only around combining marks (a dot above after i in
// some locales); surrogate halves are no characters of their own; the last two units serve as
// markers.
constexpr std::pair<char16_t, char16_t> kNeverAlone[] = {
    {0x0300, 0x036F}, {0x1AB0, 0x1AFF}, {0x1DC0, 0x1DFF}, {0x20D0, 0x20FF},
    {0xD800, 0xDFFF}, {0xFE20, 0xFE2F}, {0xFFFE, 0xFFFF}};

}  // namespace

Replacer::Replacer(std::u16string search, std::u16string replacement, bool ignoreCase,
                   Platform& platform)
    : search_(std::move(search)),
      replacement_(std::move(replacement)),
      ignoreCase_(ignoreCase),
      platform_(platform) {
    if (ignoreCase_) {
        unitUpper_.assign(0x10000, kNotAsked);
        for (const auto& [first, last] : kNeverAlone)
            std::fill(unitUpper_.begin() + first, unitUpper_.begin() + last + 1, kNotAlone);
    }
    comparableSearch_ = ignoreCase_ ? comparable(search_) : search_;
}

// A text of code units that each upper-case to one code unit, none depending on its
// neighbours, is upper-cased unit by unit from what the platform said of each unit: the same
// result as the whole text's, without asking the platform for every line.
bool Replacer::upperUnitByUnit(const std::u16string& text) const {
    upper_.resize(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t& upper = unitUpper_[text[i]];
        if (upper == kNotAsked) {
            const std::u16string one = platform_.upperCase(std::u16string(1, text[i]));
            upper = one.size() == 1 && one[0] < kNotAlone ? one[0] : kNotAlone;
        }
        if (upper == kNotAlone)
            return false;
        upper_[i] = upper;
    }
    return true;
}

// Match positions in the upper-cased text must be positions in the original. When the
// locale's upper-casing changes the length (ß to SS), the text is upper-cased character by
// character instead, each character keeping its own form where its upper case is longer.
const std::u16string& Replacer::comparable(const std::u16string& text) const {
    if (upperUnitByUnit(text))
        return upper_;
    upper_ = platform_.upperCase(text);
    if (upper_.size() == text.size())
        return upper_;
    upper_.clear();
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t len =
            isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1]) ? 2 : 1;
        const std::u16string one = text.substr(i, len);
        const std::u16string oneUpper = platform_.upperCase(one);
        upper_ += oneUpper.size() == len ? oneUpper : one;
        i += len;
    }
    return upper_;
}

// Writes into the text's own buffer where the result is not longer, else through a scratch
// buffer that is handed on from line to line, so that most lines cost no allocation.
void Replacer::apply(std::u16string& text) const {
    if (search_.empty())
        return;
    // Case-exact matching searches the text itself; writing in place below only touches what
    // has been searched already.
    const std::u16string_view haystack = ignoreCase_ ? comparable(text) : text;
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

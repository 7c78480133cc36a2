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

const Replacer::UpperPage Replacer::kNoneAsked = [] {
    UpperPage page;
    page.fill(kNotAsked);
    return page;
}();

Replacer::Replacer(std::u16string search, std::u16string replacement, bool ignoreCase,
                   Platform& platform)
    : search_(std::move(search)),
      replacement_(std::move(replacement)),
      ignoreCase_(ignoreCase),
      platform_(platform) {
    pages_.fill(&kNoneAsked);
    mayStart_.fill(~std::uint64_t{0});
    comparableSearch_ = ignoreCase_ ? comparable(search_) : search_;
}

char16_t Replacer::upperOf(char16_t unit) const {
    const char16_t upper = (*pages_[unit >> 8])[unit & 0xFF];
    return upper == kNotAsked ? askUpper(unit) : upper;
}

char16_t Replacer::askUpper(char16_t unit) const {
    std::unique_ptr<UpperPage>& page = ownPages_[unit >> 8];
    if (!page) {
        page = std::make_unique<UpperPage>(kNoneAsked);
        const int base = unit & 0xFF00;
        for (const auto& [first, last] : kNeverAlone)
            for (int u = std::max<int>(first, base); u <= std::min<int>(last, base + 0xFF); ++u)
                (*page)[static_cast<std::size_t>(u - base)] = kNotAlone;
        pages_[unit >> 8] = page.get();
    }
    char16_t& upper = (*page)[unit & 0xFF];
    if (upper == kNotAsked) {
        const std::u16string one = platform_.upperCase(std::u16string(1, unit));
        upper = one.size() == 1 && one[0] < kNotAlone ? one[0] : kNotAlone;
    }
    return upper;
}

// A text of code units that each upper-case to one code unit, none depending on its
// neighbours, is upper-cased unit by unit from what the platform said of each unit: the same
// result as the whole text's, without asking the platform for every line.
bool Replacer::upperUnitByUnit(const std::u16string& text) const {
    upper_.resize(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t upper = upperOf(text[i]);
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

// The same hits as searching the text upper-cased unit by unit, in one pass that compares each
// unit's upper case as it goes instead of writing the upper-cased text first; false (and no
// hits) as soon as a unit cannot be upper-cased alone.
bool Replacer::findHitsUnitByUnit(const std::u16string& text) const {
    const std::size_t n = text.size(), m = comparableSearch_.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char16_t unit = text[i];
        std::uint64_t& word = mayStart_[unit >> 6];
        const std::uint64_t bit = std::uint64_t{1} << (unit & 63);
        if (!(word & bit))
            continue;
        const char16_t upper = upperOf(unit);
        if (upper == kNotAlone)
            return false;
        if (upper != comparableSearch_[0]) {
            word &= ~bit;
            continue;
        }
        if (n - i < m)
            continue;
        std::size_t k = 1;
        for (; k < m; ++k) {
            const char16_t next = upperOf(text[i + k]);
            if (next == kNotAlone)
                return false;
            if (next != comparableSearch_[k])
                break;
        }
        if (k == m) {
            hits_.push_back(i);
            i += m - 1;
        }
    }
    return true;
}

bool Replacer::findHits(const std::u16string& text) const {
    hits_.clear();
    if (!ignoreCase_ || !findHitsUnitByUnit(text)) {
        hits_.clear();  // what a walk that gave up had found
        const std::u16string_view haystack = ignoreCase_ ? comparable(text) : text;
        const std::u16string_view needle(comparableSearch_);
        for (std::size_t hit = haystack.find(needle); hit != std::u16string::npos;
             hit = haystack.find(needle, hit + needle.size()))
            hits_.push_back(hit);
    }
    return !hits_.empty();
}

// Writes into the text's own buffer where the result fits in it; a longer result that does not
// is built in a buffer of exactly its size.
void Replacer::apply(std::u16string& text) const {
    if (search_.empty() || !findHits(text))
        return;
    const std::size_t step = comparableSearch_.size();
    using Traits = std::u16string::traits_type;
    if (replacement_.size() <= step) {
        // Written left to right, the output never overtakes the input still to be read.
        char16_t* const data = text.data();
        std::size_t write = 0, read = 0;
        for (const std::size_t hit : hits_) {
            Traits::move(data + write, data + read, hit - read);
            write += hit - read;
            Traits::copy(data + write, replacement_.data(), replacement_.size());
            write += replacement_.size();
            read = hit + step;
        }
        Traits::move(data + write, data + read, text.size() - read);
        text.resize(write + text.size() - read);
        return;
    }
    const std::size_t grown = text.size() + hits_.size() * (replacement_.size() - step);
    if (grown <= text.capacity()) {
        // Written right to left, the output never overtakes the input still to be read.
        std::size_t read = text.size(), write = grown;
        text.resize(grown);
        char16_t* const data = text.data();
        for (auto hit = hits_.rbegin(); hit != hits_.rend(); ++hit) {
            const std::size_t tail = read - (*hit + step);
            write -= tail;
            Traits::move(data + write, data + *hit + step, tail);
            write -= replacement_.size();
            Traits::copy(data + write, replacement_.data(), replacement_.size());
            read = *hit;
        }
        return;
    }
    std::u16string out;
    out.reserve(grown);
    std::size_t from = 0;
    for (const std::size_t at : hits_) {
        out.append(text, from, at - from);
        out += replacement_;
        from = at + step;
    }
    out.append(text, from);
    text.swap(out);
    retired_.push_back(std::move(out));
}

}  // namespace tavor

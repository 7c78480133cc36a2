#include "convert/NumberText.h"

#include <algorithm>
#include <limits>

#include "base/TextUtil.h"

namespace tavor {

namespace {

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

int hexValue(char16_t c) {
    if (isDigit(c))
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

// Digits of a magnitude in a base, most significant first; 0 gives no digit. Built on the
// stack, as numbers are formatted once per line of long texts.
class Digits {
public:
    Digits(std::uint64_t magnitude, unsigned base) {
        static constexpr char16_t digitChars[] = u"0123456789ABCDEF";
        while (magnitude > 0) {
            buf_[--first_] = digitChars[magnitude % base];
            magnitude /= base;
        }
    }
    std::u16string_view view() const {
        return {buf_ + first_, sizeof buf_ / sizeof buf_[0] - first_};
    }

private:
    char16_t buf_[24];  // 64 bits in octal take 22
    std::size_t first_ = sizeof buf_ / sizeof buf_[0];
};

// '0' characters, then the digits, at least width long; a minus sign in front when negative.
std::u16string paddedText(std::u16string_view digits, int width, bool negative = false) {
    const std::size_t length =
        std::max(digits.size(), static_cast<std::size_t>(std::max(width, 0)));
    std::u16string out;
    out.reserve(length + 1);
    if (negative)
        out.push_back(u'-');
    out.append(length - digits.size(), u'0');
    out.append(digits);
    return out;
}

std::uint64_t magnitudeOf(std::int32_t value) {
    const auto wide = static_cast<std::int64_t>(value);
    return static_cast<std::uint64_t>(wide < 0 ? -wide : wide);
}

// Decimal and octal write a value below zero as a sign before the padded magnitude; decimal
// writes 0 as "0", octal as only its padding.
std::u16string signedPadded(std::int32_t value, unsigned base, int width) {
    const Digits digits(magnitudeOf(value), base);
    if (digits.view().empty() && base == 10)
        return paddedText(u"0", width);
    return paddedText(digits.view(), width, value < 0);
}

}  // namespace

NumberSplit SplitNumber(std::u16string_view text, NumberSearch direction) {
    const std::u16string_view t = trimmed(text);
    std::size_t begin = t.size(), end = t.size();
    if (direction == NumberSearch::First) {
        begin = static_cast<std::size_t>(std::find_if(t.begin(), t.end(), isDigit) - t.begin());
        end = begin;
        while (end < t.size() && isDigit(t[end]))
            ++end;
    } else {
        const auto last = std::find_if(t.rbegin(), t.rend(), isDigit);
        end = static_cast<std::size_t>(t.rend() - last);
        begin = end;
        while (begin > 0 && isDigit(t[begin - 1]))
            --begin;
        if (last == t.rend())
            begin = end = t.size();
    }
    return {t.substr(0, begin), t.substr(begin, end - begin), t.substr(end)};
}

bool IsHexDigits(std::u16string_view text) {
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return hexValue(c) >= 0; });
}

bool IsOctDigits(std::u16string_view text) {
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'7'; });
}

std::optional<std::int32_t> OctStrToInt(std::u16string_view text) {
    if (text.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (const char16_t c : text) {
        if (!isDigit(c))
            return std::nullopt;
        value = value * 8 + (c - u'0');
        if (value > std::numeric_limits<std::int32_t>::max())
            return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::u16string IntToOctStr(std::int32_t value, int width) {
    return signedPadded(value, 8, width);
}

std::u16string FormatNumber(std::int32_t value, NumberBase base, int width) {
    switch (base) {
        case NumberBase::Hexadecimal: {
            const Digits digits(static_cast<std::uint32_t>(value), 16);
            return paddedText(digits.view().empty() ? u"0" : digits.view(), width);
        }
        case NumberBase::Octal:
            return IntToOctStr(value, width);
        case NumberBase::Decimal:
            break;
    }
    return signedPadded(value, 10, width);
}

std::optional<std::int32_t> ParseDecimalInt(std::u16string_view text) {
    std::u16string_view t = trimmed(text);
    bool negative = false;
    if (!t.empty() && (t.front() == u'-' || t.front() == u'+')) {
        negative = t.front() == u'-';
        t.remove_prefix(1);
    }
    if (t.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (const char16_t c : t) {
        if (!isDigit(c))
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::optional<std::uint32_t> ParseHexDigits(std::u16string_view text) {
    if (text.empty() || !IsHexDigits(text))
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char16_t c : text) {
        value = value * 16 + static_cast<unsigned>(hexValue(c));
        if (value > std::numeric_limits<std::uint32_t>::max())
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

}  // namespace tavor

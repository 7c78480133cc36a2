#include "convert/Addition.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "base/TextUtil.h"

namespace tavor {

namespace {

std::optional<std::int32_t> checkedSum(std::int64_t a, std::int64_t b) {
    const std::int64_t sum = a + b;
    if (sum < std::numeric_limits<std::int32_t>::min() ||
        sum > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(sum);
}

// The text is rewritten in place, so that a line keeps its buffer when its length allows.
bool addDecimal(std::u16string& text, const AdditionSettings& s) {
    const NumberSplit split = SplitNumber(text, s.direction);
    if (split.number.empty())
        return false;
    const auto value = ParseDecimalInt(split.number);
    if (!value)
        return false;
    const auto sum = checkedSum(*value, s.addend);
    if (!sum)
        return false;
    const std::size_t begin = static_cast<std::size_t>(split.prefix.data() - text.data());
    const std::size_t runBegin = static_cast<std::size_t>(split.number.data() - text.data());
    const std::size_t end = runBegin + split.number.size() + split.suffix.size();
    const std::u16string digits =
        FormatNumber(*sum, NumberBase::Decimal, static_cast<int>(split.number.size()));
    text.erase(end);
    text.replace(runBegin, split.number.size(), digits);
    text.erase(0, begin);
    return true;
}

bool addTrailing(std::u16string& text, const AdditionSettings& s) {
    const int n = std::clamp(s.digitCount, 1, 8);
    const std::size_t numberLength = std::min(text.size(), static_cast<std::size_t>(n));
    const std::size_t at = text.size() - numberLength;
    const std::u16string_view number = std::u16string_view(text).substr(at);
    std::u16string digits;
    if (s.base == NumberBase::Hexadecimal) {
        const auto value = ParseHexDigits(number);
        if (!value)
            return false;
        const std::uint32_t sum = *value + static_cast<std::uint32_t>(s.addend);
        digits = FormatNumber(static_cast<std::int32_t>(sum), NumberBase::Hexadecimal, n);
    } else {
        const auto value = IsOctDigits(number) ? OctStrToInt(number) : std::nullopt;
        const auto sum = value ? checkedSum(*value, s.addend) : std::nullopt;
        if (!sum)
            return false;
        digits = FormatNumber(*sum, NumberBase::Octal, n);
    }
    text.replace(at, numberLength, digits);
    return true;
}

}  // namespace

bool AddToNumber(std::u16string& text, const AdditionSettings& settings) {
    if (isBlank(text))
        return false;
    if (settings.base == NumberBase::Decimal)
        return addDecimal(text, settings);
    return addTrailing(text, settings);
}

}  // namespace tavor

// The number texts of addition and numbering: SplitNumber cuts the trimmed text around one
// whole digit run; formatting and parsing round-trip in every base; adding a number and taking
// it away again restores the text whenever the digits kept their length.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <limits>

#include "FuzzText.h"
#include "base/TextUtil.h"
#include "convert/Addition.h"
#include "convert/NumberText.h"

using namespace tavor;
using tavor::fuzz::require;

namespace {

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

void splitCutsAroundOneRun(std::u16string_view text, NumberSearch direction) {
    const NumberSplit s = SplitNumber(text, direction);
    const std::u16string_view t = trimmed(text);
    require(s.prefix.size() + s.number.size() + s.suffix.size() == t.size() &&
                (t.empty() || (s.prefix.data() == t.data() &&
                               s.number.data() == s.prefix.data() + s.prefix.size() &&
                               s.suffix.data() == s.number.data() + s.number.size())),
            "prefix, number and suffix are the trimmed text in order");
    for (char16_t c : s.number)
        require(isDigit(c), "the number is digits");
    if (s.number.empty()) {
        for (char16_t c : t)
            require(!isDigit(c), "no number only when there is no digit");
        return;
    }
    require((s.prefix.empty() || !isDigit(s.prefix.back())) &&
                (s.suffix.empty() || !isDigit(s.suffix.front())),
            "the number is a whole run");
    for (char16_t c : direction == NumberSearch::First ? s.prefix : s.suffix)
        require(!isDigit(c), "the first (last) run is taken");
}

void formatsRoundTrip(std::int32_t value, int width) {
    const auto hex = ParseHexDigits(FormatNumber(value, NumberBase::Hexadecimal, width));
    require(hex == static_cast<std::uint32_t>(value), "hexadecimal round-trips");
    require(ParseDecimalInt(FormatNumber(value, NumberBase::Decimal, width)) == value,
            "decimal round-trips");
    if (value > 0 || (value == 0 && width > 0)) {  // 0 is only the padding
        const std::u16string oct = IntToOctStr(value, width);
        require(IsOctDigits(oct) && OctStrToInt(oct) == value, "octal round-trips");
    }
}

void additionUndoes(const std::u16string& text, AdditionSettings s) {
    std::u16string added = text;
    if (!AddToNumber(added, s))
        return;
    const std::u16string_view t = trimmed(text);
    if (s.base == NumberBase::Decimal) {
        const NumberSplit before = SplitNumber(text, s.direction);
        const NumberSplit after = SplitNumber(added, s.direction);
        require(std::u16string_view(added).starts_with(before.prefix),
                "addition keeps what precedes the number");
        if (after.prefix != before.prefix || after.number.size() != before.number.size() ||
            after.suffix != before.suffix)
            return;  // the sum went below zero, grew or shrank
    } else {
        require(added.size() >= text.size(), "trailing digits never shrink");
        const auto n = static_cast<std::size_t>(std::clamp(s.digitCount, 1, 8));
        for (char16_t c : std::u16string_view(text).substr(text.size() - std::min(text.size(), n)))
            if (c >= u'a' && c <= u'f')
                return;  // written back in upper case
        if (added.size() != text.size())
            return;
    }
    if (s.addend == std::numeric_limits<std::int32_t>::min())
        return;
    s.addend = -s.addend;
    require(AddToNumber(added, s), "the sum takes the addend back");
    require(added == (s.base == NumberBase::Decimal ? std::u16string(t) : text),
            "adding and taking away restores the text");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::int32_t value = data.ConsumeIntegral<std::int32_t>();
    const int width = data.ConsumeIntegralInRange(0, 12);
    formatsRoundTrip(value, width);

    AdditionSettings settings;
    settings.base =
        data.PickValueInArray({NumberBase::Decimal, NumberBase::Hexadecimal, NumberBase::Octal});
    settings.direction = data.ConsumeBool() ? NumberSearch::First : NumberSearch::Last;
    settings.digitCount = data.ConsumeIntegralInRange(0, 9);
    settings.addend = data.ConsumeBool() ? data.ConsumeIntegralInRange(-20, 20) : value;
    const std::u16string text = tavor::fuzz::takeText(data, 40);

    splitCutsAroundOneRun(text, NumberSearch::First);
    splitCutsAroundOneRun(text, NumberSearch::Last);
    (void)OctStrToInt(text);
    (void)ParseHexDigits(text);
    (void)ParseDecimalInt(text);
    additionUndoes(text, settings);
    return 0;
}

#include <gtest/gtest.h>

#include <optional>

#include "convert/Addition.h"

namespace tavor {
namespace {

AdditionSettings decimal(std::int32_t addend, NumberSearch direction = NumberSearch::Last) {
    return {NumberBase::Decimal, direction, 2, addend};
}

AdditionSettings trailing(NumberBase base, int digits, std::int32_t addend) {
    return {base, NumberSearch::Last, digits, addend};
}

struct AddCase {
    const char* name;
    AdditionSettings settings;
    std::u16string text;
    std::optional<std::u16string> expected;  // nullopt: the text stays as it is
};

class AddToNumberTest : public testing::TestWithParam<AddCase> {};

TEST_P(AddToNumberTest, Adds) {
    const AddCase& c = GetParam();
    std::u16string text = c.text;
    EXPECT_EQ(AddToNumber(text, c.settings), c.expected.has_value());
    EXPECT_EQ(text, c.expected.value_or(c.text));
}

const NumberBase hex = NumberBase::Hexadecimal;
const NumberBase oct = NumberBase::Octal;

INSTANTIATE_TEST_SUITE_P(
    Decimal, AddToNumberTest,
    testing::Values(
        AddCase{"MinusIsText", decimal(1), u"W-009", u"W-010"},
        AddCase{"LastNumber", decimal(1), u"PAGE 3/12", u"PAGE 3/13"},
        AddCase{"FirstNumber", decimal(1, NumberSearch::First), u"PAGE 3/12", u"PAGE 4/12"},
        AddCase{"BlanksDropped", decimal(1), u"  AB12 \t", u"AB13"},
        AddCase{"WidthKept", decimal(-5), u"X10", u"X05"},
        AddCase{"CarryKeepsWidth", decimal(1), u"A09", u"A10"},
        AddCase{"LongerResultWhole", decimal(990), u"X10", u"X1000"},
        AddCase{"DownKeepsWidth", decimal(-1), u"A100", u"A099"},
        AddCase{"NoDigit", decimal(1), u"ABC", std::nullopt},
        AddCase{"FullWidthDigitsNoNumber", decimal(1), u"１２", std::nullopt},
        AddCase{"Empty", decimal(1), u"", std::nullopt},
        AddCase{"Blank", decimal(1), u" \t ", std::nullopt},
        AddCase{"NegativeSignBeforePadding", decimal(-10), u"X05", u"X-05"},
        AddCase{"NegativeZeroWidth", decimal(-1), u"0", u"-1"},
        AddCase{"RunBeyond32BitsUnchanged", decimal(1), u"N2147483648", std::nullopt},
        AddCase{"HugeRunUnchanged", decimal(1), u"N99999999999999999999999", std::nullopt},
        AddCase{"MaximumReached", decimal(1), u"N2147483646", u"N2147483647"},
        AddCase{"SumOverflowUnchanged", decimal(1), u"N2147483647", std::nullopt},
        AddCase{"MinimumAddend", decimal(std::numeric_limits<std::int32_t>::min()), u"X0",
                u"X-2147483648"},
        AddCase{"SurrogatesAroundKept", decimal(1),
                u"\xD800"
                u"9\xDC00",
                u"\xD800"
                u"10\xDC00"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    HexAndOctal, AddToNumberTest,
    testing::Values(AddCase{"HexCarry", trailing(hex, 2, 1), u"ADR0F", u"ADR10"},
                    AddCase{"HexGrows", trailing(hex, 2, 1), u"ADRFF", u"ADR100"},
                    AddCase{"HexNotDigits", trailing(hex, 2, 1), u"ADRzz", std::nullopt},
                    AddCase{"HexLettersAreDigits", trailing(hex, 2, 1), u"Cafe", u"CaFF"},
                    AddCase{"HexUpperCased", trailing(hex, 2, 1), u"ab", u"AC"},
                    AddCase{"HexShortTextPadded", trailing(hex, 4, 1), u"7", u"0008"},
                    AddCase{"HexWrapsBelowZero", trailing(hex, 2, -1), u"00", u"FFFFFFFF"},
                    AddCase{"HexWrapsAbove", trailing(hex, 8, 1), u"FFFFFFFF", u"00000000"},
                    AddCase{"HexNoStripping", trailing(hex, 2, 1), u"A1 ", std::nullopt},
                    AddCase{"HexBlank", trailing(hex, 2, 1), u"  ", std::nullopt},
                    AddCase{"OctalCarry", trailing(oct, 3, 1), u"P017", u"P020"},
                    AddCase{"OctalEightIsNoDigit", trailing(oct, 3, 1), u"P018", std::nullopt},
                    AddCase{"OctalNegativeSign", trailing(oct, 2, -9), u"P01", u"P-10"},
                    AddCase{"OctalSumOverflowUnchanged",
                            trailing(oct, 8, std::numeric_limits<std::int32_t>::max()), u"77777777",
                            std::nullopt},
                    AddCase{"DigitCountClamped", trailing(oct, 99, 1), u"7777777777",
                            u"77100000000"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavor

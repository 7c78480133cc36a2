#include <gtest/gtest.h>

#include <limits>

#include "convert/NumberText.h"

namespace tavor {
namespace {

struct SplitCase {
    const char* name;
    std::u16string text;
    NumberSearch direction;
    std::u16string prefix, number, suffix;
};

class SplitNumberTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitNumberTest, CutsAroundOneDigitRun) {
    const SplitCase& c = GetParam();
    const NumberSplit s = SplitNumber(c.text, c.direction);
    EXPECT_EQ(s.prefix, c.prefix);
    EXPECT_EQ(s.number, c.number);
    EXPECT_EQ(s.suffix, c.suffix);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SplitNumberTest,
    testing::Values(
        SplitCase{"LastRun", u"PAGE 3/12", NumberSearch::Last, u"PAGE 3/", u"12", u""},
        SplitCase{"FirstRun", u"PAGE 3/12", NumberSearch::First, u"PAGE ", u"3", u"/12"},
        SplitCase{"BlanksStripped", u" \tAB12x \r\n", NumberSearch::Last, u"AB", u"12", u"x"},
        SplitCase{"MinusIsText", u"W-009", NumberSearch::Last, u"W-", u"009", u""},
        SplitCase{"FullWidthDigitsAreText", u"Ａ１２", NumberSearch::Last, u"Ａ１２", u"", u""},
        SplitCase{"NoDigitFirst", u"abc", NumberSearch::First, u"abc", u"", u""},
        SplitCase{"Empty", u"", NumberSearch::Last, u"", u"", u""},
        SplitCase{"OnlyDigits", u"0042", NumberSearch::First, u"", u"0042", u""},
        SplitCase{"IdeographicSpaceKept",
                  u"\u3000"
                  u"7\u3000",
                  NumberSearch::Last, u"\u3000", u"7", u"\u3000"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DigitTests, HexAndOctalCharacterSets) {
    EXPECT_TRUE(IsHexDigits(u""));
    EXPECT_TRUE(IsHexDigits(u"09afAF"));
    EXPECT_FALSE(IsHexDigits(u"0g"));
    EXPECT_FALSE(IsHexDigits(u"ＡＢ"));
    EXPECT_TRUE(IsOctDigits(u""));
    EXPECT_TRUE(IsOctDigits(u"01234567"));
    EXPECT_FALSE(IsOctDigits(u"018"));
    EXPECT_FALSE(IsOctDigits(u"1 "));
}

TEST(OctStrToIntTest, ReadsEachDigitTimesItsPowerOfEight) {
    EXPECT_EQ(OctStrToInt(u"17"), 15);
    EXPECT_EQ(OctStrToInt(u"0"), 0);
    EXPECT_EQ(OctStrToInt(u"19"), 17);  // 8 and 9 pass: 1*8 + 9
    EXPECT_EQ(OctStrToInt(u"17777777777"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(OctStrToInt(u"20000000000"), std::nullopt);  // beyond 32 bits
    EXPECT_EQ(OctStrToInt(u""), std::nullopt);
    EXPECT_EQ(OctStrToInt(u"1a"), std::nullopt);
    EXPECT_EQ(OctStrToInt(u"-1"), std::nullopt);
}

struct FormatCase {
    const char* name;
    std::int32_t value;
    NumberBase base;
    int width;
    std::u16string expected;
};

class FormatNumberTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberTest, Writes) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatNumber(c.value, c.base, c.width), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatNumberTest,
    testing::Values(
        FormatCase{"DecimalPadded", 7, NumberBase::Decimal, 3, u"007"},
        FormatCase{"DecimalLongerThanWidth", 1000, NumberBase::Decimal, 2, u"1000"},
        FormatCase{"DecimalZero", 0, NumberBase::Decimal, 0, u"0"},
        FormatCase{"DecimalNegativeSignBeforePadding", -5, NumberBase::Decimal, 3, u"-005"},
        FormatCase{"DecimalMinimum", std::numeric_limits<std::int32_t>::min(), NumberBase::Decimal,
                   1, u"-2147483648"},
        FormatCase{"HexUpperCase", 0xAC, NumberBase::Hexadecimal, 2, u"AC"},
        FormatCase{"HexPadded", 8, NumberBase::Hexadecimal, 4, u"0008"},
        FormatCase{"HexZero", 0, NumberBase::Hexadecimal, 1, u"0"},
        FormatCase{"HexNegativeIsTwosComplement", -1, NumberBase::Hexadecimal, 2, u"FFFFFFFF"},
        FormatCase{"OctalPadded", 8, NumberBase::Octal, 3, u"010"},
        FormatCase{"OctalZeroIsPadding", 0, NumberBase::Octal, 2, u"00"},
        FormatCase{"OctalNegativeSignBeforePadding", -8, NumberBase::Octal, 3, u"-010"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IntToOctStrTest, ZeroGivesOnlyThePadding) {
    EXPECT_EQ(IntToOctStr(0, 0), u"");
    EXPECT_EQ(IntToOctStr(0, 3), u"000");
    EXPECT_EQ(IntToOctStr(83, 1), u"123");
    EXPECT_EQ(IntToOctStr(std::numeric_limits<std::int32_t>::max(), 0), u"17777777777");
}

TEST(ParseTest, DecimalFieldsWithin32Bits) {
    EXPECT_EQ(ParseDecimalInt(u" 12 "), 12);
    EXPECT_EQ(ParseDecimalInt(u"-5"), -5);
    EXPECT_EQ(ParseDecimalInt(u"+5"), 5);
    EXPECT_EQ(ParseDecimalInt(u"2147483647"), 2147483647);
    EXPECT_EQ(ParseDecimalInt(u"-2147483648"), std::numeric_limits<std::int32_t>::min());
    for (const std::u16string bad :
         {u"2147483648", u"99999999999999999999", u"", u"-", u"1.5", u"abc", u"１"})
        EXPECT_EQ(ParseDecimalInt(bad), std::nullopt);
}

TEST(ParseTest, HexDigitsAsUnsignedPattern) {
    EXPECT_EQ(ParseHexDigits(u"0e"), 14u);
    EXPECT_EQ(ParseHexDigits(u"FFFFFFFF"), 0xFFFFFFFFu);
    EXPECT_EQ(ParseHexDigits(u"000000001"), 1u);  // leading zeros are no value
    EXPECT_EQ(ParseHexDigits(u"100000000"), std::nullopt);
    EXPECT_EQ(ParseHexDigits(u""), std::nullopt);
    EXPECT_EQ(ParseHexDigits(u"0x1"), std::nullopt);
}

}  // namespace
}  // namespace tavor

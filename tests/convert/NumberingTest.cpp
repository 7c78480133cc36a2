#include <gtest/gtest.h>

#include <vector>

#include "convert/Numbering.h"

namespace tavor {
namespace {

NumberingFields fields(std::u16string start, std::u16string count, std::u16string step = u"1",
                       NumberBase base = NumberBase::Decimal, std::u16string prefix = u"",
                       std::u16string suffix = u"") {
    return {base,
            std::move(prefix),
            std::move(start),
            std::move(suffix),
            std::move(step),
            std::move(count)};
}

std::vector<std::u16string> textsOf(const NumberingFields& f) {
    const NumberRun run(f);
    std::vector<std::u16string> out;
    for (int k = 0; k < run.count(); ++k)
        out.push_back(run.text(k));
    return out;
}

struct RunCase {
    const char* name;
    NumberingFields fields;
    std::vector<std::u16string> texts;
};

class NumberRunTest : public testing::TestWithParam<RunCase> {};

TEST_P(NumberRunTest, Creates) {
    EXPECT_EQ(textsOf(GetParam().fields), GetParam().texts);
}

const NumberBase hex = NumberBase::Hexadecimal;
const NumberBase oct = NumberBase::Octal;

INSTANTIATE_TEST_SUITE_P(
    Table, NumberRunTest,
    testing::Values(
        RunCase{"PrefixSuffixUpperCased",
                fields(u"001", u"3", u"5", NumberBase::Decimal, u"w", u"-a"),
                {u"W001-A", u"W006-A", u"W011-A"}},
        RunCase{"WidthOfStart", fields(u"0000", u"3"), {u"0000", u"0001", u"0002"}},
        RunCase{"GrowsPastWidth", fields(u"9", u"3"), {u"9", u"10", u"11"}},
        RunCase{"Hexadecimal", fields(u"0e", u"4", u"1", hex), {u"0E", u"0F", u"10", u"11"}},
        RunCase{"Octal", fields(u"06", u"3", u"1", oct), {u"06", u"07", u"10"}},
        RunCase{"OctalStartWithNinePasses", fields(u"19", u"2", u"1", oct), {u"21", u"22"}},
        RunCase{"OctalStartNoNumberFallsBackToOne", fields(u"x", u"2", u"1", oct), {u"1", u"2"}},
        RunCase{"DecimalStartNoNumberIsOne", fields(u"ab", u"2"), {u"01", u"02"}},
        RunCase{"HexStartNoNumberIsOne", fields(u"zz", u"2", u"1", hex), {u"01", u"02"}},
        RunCase{"CountNoIntegerIsOne", fields(u"5", u""), {u"5"}},
        RunCase{"CountZero", fields(u"5", u"0"), {}},
        RunCase{"NegativeStep", fields(u"02", u"4", u"-1"), {u"02", u"01", u"00", u"-01"}},
        RunCase{"NegativeOctal", fields(u"1", u"3", u"-1", oct), {u"1", u"0", u"-1"}},
        RunCase{"HexWrapsBelowZero", fields(u"01", u"3", u"-1", hex), {u"01", u"00", u"FFFFFFFF"}},
        RunCase{"DecimalEndsBeforeOverflow",
                fields(u"2147483646", u"5"),
                {u"2147483646", u"2147483647"}},
        RunCase{"DecimalEndsBeforeUnderflow",
                fields(u"-2147483647", u"5", u"-1"),
                {u"-02147483647", u"-02147483648"}},
        RunCase{"StartBeyond32BitsIsNoNumber", fields(u"99999999999", u"1"), {u"00000000001"}},
        RunCase{"FixedText",
                fields(u"", u"3", u"1", NumberBase::Decimal, u"ab", u"c"),
                {u"ABC", u"ABC", u"ABC"}},
        RunCase{"FixedTextEmptyCountMakesNone",
                fields(u"", u"", u"1", NumberBase::Decimal, u"ab", u"c"),
                {}},
        RunCase{"OnlyAsciiUpperCased",
                fields(u"1", u"1", u"1", NumberBase::Decimal, u"ｗé", u"ß"),
                {u"ｗé1ß"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberRunLimitTest, HugeCountIsCappedAndZeroStepRepeats) {
    const NumberRun run(fields(u"7", u"2147483647", u"0"));
    EXPECT_EQ(run.count(), NumberRun::maxCount);
    EXPECT_EQ(run.text(NumberRun::maxCount - 1), u"7");
}

struct PreviewCase {
    const char* name;
    NumberingFields fields;
    std::u16string preview;
};

class NumberingPreviewTest : public testing::TestWithParam<PreviewCase> {};

TEST_P(NumberingPreviewTest, Shows) {
    EXPECT_EQ(NumberingPreview(GetParam().fields), GetParam().preview);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumberingPreviewTest,
    testing::Values(
        PreviewCase{"Defaults", fields(u"00", u"16"), u"[ 00 ] ～ [ 15 ]"},
        PreviewCase{"StartAsTypedUpperCased", fields(u"0e", u"4", u"1", hex, u"sheet-"),
                    u"[ SHEET-0E ] ～ [ SHEET-11 ]"},
        PreviewCase{"Octal", fields(u"06", u"3", u"1", oct), u"[ 06 ] ～ [ 10 ]"},
        PreviewCase{"FixedText", fields(u"", u"3", u"1", NumberBase::Decimal, u"AB", u"C"),
                    u"[ ABC ] x 3"},
        PreviewCase{"FixedTextEmptyCount", fields(u"", u""), u"[  ] x 0"},
        PreviewCase{"DecimalEmptyCountIsZero", fields(u"10", u"", u"2"), u"[ 10 ] ～ [ 08 ]"},
        PreviewCase{"HexEmptyCountIsOne", fields(u"10", u"", u"2", hex), u"[ 10 ] ～ [ 10 ]"},
        PreviewCase{"StartNoNumberIsZero", fields(u"ab", u"3"), u"[ AB ] ～ [ 02 ]"},
        PreviewCase{"LastThatFits", fields(u"2147483646", u"9"),
                    u"[ 2147483646 ] ～ [ 2147483647 ]"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavor

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <span>
#include <string>

#include "base/TextUtil.h"
#include "convert/WidthTableConverter.h"
#include "convert/WidthTables.h"
#include "convert/ZenHanUtil.h"

namespace tavor::zenHanUtil {
namespace {

using Routine = void (*)(std::u16string&, const std::function<void()>&);

struct TableRoutine {
    const char* name;
    Routine routine;
    std::span<const TableRow> table;
    WidthForm from;
};

const TableRoutine kRoutines[] = {
    {"HanKanaToZen", HanKanaToZen, KanaTable, WidthForm::Half},
    {"ZenKanaToHan", ZenKanaToHan, KanaTable, WidthForm::Full},
    {"HanDigitToZen", HanDigitToZen, DigitTable, WidthForm::Half},
    {"ZenDigitToHan", ZenDigitToHan, DigitTable, WidthForm::Full},
    {"HanNumToZen", HanNumToZen, NumTable, WidthForm::Half},
    {"ZenNumToHan", ZenNumToHan, NumTable, WidthForm::Full},
    {"HanAlphaToZen", HanAlphaToZen, AlphaTable, WidthForm::Half},
    {"ZenAlphaToHan", ZenAlphaToHan, AlphaTable, WidthForm::Full},
    {"HanSymbolToZen", HanSymbolToZen, SymbolTable, WidthForm::Half},
    {"ZenSymbolToHan", ZenSymbolToHan, SymbolTable, WidthForm::Full},
};

// The procedure the routines must reproduce: each row in turn replaces every occurrence left
// to right, without overlap, never searching its own insertions.
std::u16string rowByRow(std::u16string s, std::span<const TableRow> table, WidthForm from) {
    for (const auto& row : table) {
        const std::u16string_view find = from == WidthForm::Full ? row.full : row.half;
        const std::u16string_view put = from == WidthForm::Full ? row.half : row.full;
        std::u16string out;
        std::size_t pos = 0;
        for (std::size_t hit; (hit = s.find(find, pos)) != std::u16string::npos;
             pos = hit + find.size()) {
            out.append(s, pos, hit - pos);
            out.append(put);
        }
        out.append(s, pos);
        s = std::move(out);
    }
    return s;
}

// The characters that matter around a table: both its columns, the sound marks of every
// width, and characters it does not hold (look-alikes, surrogates, control characters).
std::u16string alphabetAround(std::span<const TableRow> table) {
    std::u16string a;
    for (const auto& row : table)
        a.append(row.full).append(row.half);
    a += u"ﾞﾟ\u3099\u309A\u309B\u309C";
    a += u"ヮヰヱヵヶ・･、。､｡あがゔ線＼＂＇｀“\uFF40\xD800\xDC00\t\r\n";
    a.push_back(u'\0');
    std::sort(a.begin(), a.end());
    a.erase(std::unique(a.begin(), a.end()), a.end());
    return a;
}

// Every table's characters together, so that a routine also meets the others' characters.
std::u16string alphabet() {
    std::u16string a;
    for (const std::span<const TableRow> table :
         {std::span<const TableRow>(KanaTable), std::span<const TableRow>(NumTable),
          std::span<const TableRow>(AlphaTable), std::span<const TableRow>(SymbolTable)}) {
        a += alphabetAround(table);
    }
    std::sort(a.begin(), a.end());
    a.erase(std::unique(a.begin(), a.end()), a.end());
    return a;
}

std::u16string randomText(std::mt19937& rng, const std::u16string& from, std::size_t maxLength) {
    std::uniform_int_distribution<std::size_t> length(0, maxLength), pick(0, from.size() - 1);
    std::u16string s(length(rng), u' ');
    for (auto& c : s)
        c = from[pick(rng)];
    return s;
}

std::u16string converted(Routine routine, std::u16string s) {
    routine(s, {});
    return s;
}

// With a hook the routines convert into a buffer of their own rather than in place.
std::u16string convertedWithHook(Routine routine, std::u16string s) {
    routine(s, [] {});
    return s;
}

std::u16string unit(char32_t c) {
    return std::u16string(1, static_cast<char16_t>(c));
}

TEST(ZenHanUtilTables, TablesHoldTheirCodeRangesInOrder) {
    for (std::size_t k = 0; k < 10; ++k) {
        EXPECT_EQ(DigitTable[k].full, unit(0xFF10 + k));
        EXPECT_EQ(DigitTable[k].half, unit(u'0' + k));
        EXPECT_EQ(NumTable[k].full, DigitTable[k].full);
    }
    const std::u16string_view signs = u"+-.,";
    for (std::size_t k = 0; k < 4; ++k)
        EXPECT_EQ(NumTable[10 + k].half, signs.substr(k, 1));
    for (std::size_t k = 0; k < 26; ++k) {
        EXPECT_EQ(AlphaTable[k].full, unit(0xFF21 + k));
        EXPECT_EQ(AlphaTable[k].half, unit(u'A' + k));
        EXPECT_EQ(AlphaTable[26 + k].full, unit(0xFF41 + k));
        EXPECT_EQ(AlphaTable[26 + k].half, unit(u'a' + k));
    }
    // The symbol rows pair ASCII with its full-width form, except where the drawings differ.
    for (const auto& row : SymbolTable) {
        ASSERT_EQ(row.half.size(), 1u);
        const char16_t c = row.half[0];
        const std::u16string_view pairedOtherwise = u"\"' `\\";
        if (pairedOtherwise.find(c) != std::u16string_view::npos)
            continue;
        EXPECT_EQ(row.full, unit(c + 0xFEE0)) << char(c);
    }
    for (std::size_t k = 0; k < 45; ++k)
        EXPECT_EQ(KanaTable[37 + k].half, unit(0xFF71 + k));
    for (std::size_t k = 0; k < 26; ++k) {
        EXPECT_EQ(KanaTable[k].half.size(), 2u);
        EXPECT_EQ(KanaTable[k].half[1], k < 21 ? u'\uFF9E' : u'\uFF9F');
    }
}

TEST(ZenHanUtilTables, EachRoutineGivesTheRowByRowResultOnRandomTexts) {
    std::mt19937 rng(20241226);
    const std::u16string everyTable = alphabet();
    for (const auto& r : kRoutines) {
        const std::u16string ownTable = alphabetAround(r.table);
        for (int round = 0; round < 2000; ++round) {
            const std::u16string text = randomText(rng, round % 2 ? ownTable : everyTable, 24);
            const std::u16string expected = rowByRow(text, r.table, r.from);
            ASSERT_EQ(converted(r.routine, text), expected) << r.name << " on " << toUtf8(text);
            ASSERT_EQ(convertedWithHook(r.routine, text), expected) << r.name;
        }
    }
}

TEST(ZenHanUtilTables, EachRoutineGivesTheRowByRowResultOnEveryPairOfCharacters) {
    for (const auto& r : kRoutines) {
        const std::u16string chars = alphabetAround(r.table);
        for (const char16_t a : chars) {
            for (const char16_t b : chars) {
                const std::u16string text{a, b};
                ASSERT_EQ(converted(r.routine, text), rowByRow(text, r.table, r.from))
                    << r.name << " on " << toUtf8(text);
            }
        }
    }
}

struct Case {
    const char* name;
    Routine routine;
    std::u16string_view in;
    std::u16string_view out;
};

const Case kCases[] = {
    {"composedKanaFirst", HanKanaToZen, u"ｳﾞｶﾞﾊﾟｰｯ", u"ヴガパーッ"},
    {"composedKanaBack", ZenKanaToHan, u"ヴガパーッ", u"ｳﾞｶﾞﾊﾟｰｯ"},
    {"markAfterLetterWithoutComposedForm", HanKanaToZen, u"ｱﾞﾅﾟ", u"アﾞナﾟ"},
    {"marksWithoutBase", HanKanaToZen, u"ﾞﾟﾟﾞ", u"ﾞﾟﾟﾞ"},
    {"secondMarkStays", HanKanaToZen, u"ｶﾞﾞﾊﾟﾟ", u"ガﾞパﾟ"},
    {"markBeforeLetter", HanKanaToZen, u"ﾞｶ", u"ﾞカ"},
    {"halfPunctuationStays", HanKanaToZen, u"･､｡ｶ", u"･､｡カ"},
    {"cornerBrackets", HanKanaToZen, u"｢ｱ｣", u"「ア」"},
    {"kanaNoTableHolds", ZenKanaToHan, u"ヮヰヱヵヶ・、。ひらがな線",
     u"ヮヰヱヵヶ・、。ひらがな線"},
    {"fullWidthMarksStay", ZenKanaToHan, u"カ\u3099ハ\u309B", u"ｶ\u3099ﾊ\u309B"},
    {"digitsOnlyNotPoint", HanDigitToZen, u"1.5", u"１.５"},
    {"numberWithPoint", HanNumToZen, u"1.5", u"１．５"},
    {"numberWithSignAndComma", HanNumToZen, u"-1,000+2", u"－１，０００＋２"},
    {"fullNumberBack", ZenNumToHan, u"－１，０００．５", u"-1,000.5"},
    {"fullDigitsLeaveSigns", ZenDigitToHan, u"－１２", u"－12"},
    {"bothCases", HanAlphaToZen, u"Ab", u"Ａｂ"},
    {"bothCasesBack", ZenAlphaToHan, u"Ａｂ", u"Ab"},
    {"alphaLeavesDigits", HanAlphaToZen, u"W-001", u"Ｗ-001"},
    {"quotesBecomeCurly", HanSymbolToZen, u"\"' `", u"”’\u3000‘"},
    {"reverseSolidusIsYen", HanSymbolToZen, u"C:\\", u"C：￥"},
    {"fullReverseSolidusStays", ZenSymbolToHan, u"＼￥", u"＼\\"},
    {"fullQuotesWithoutRowStay", ZenSymbolToHan, u"＂＇｀“", u"＂＇｀“"},
    {"ideographicSpace", ZenSymbolToHan, u"Ａ\u3000（Ｂ）", u"Ａ (Ｂ)"},
    {"symbolsLeaveLettersAndDigits", HanSymbolToZen, u"a1", u"a1"},
    {"surrogatesAndControls", HanAlphaToZen, u"\xD800x\x01\xDC00y", u"\xD800ｘ\x01\xDC00ｙ"},
    {"empty", HanKanaToZen, u"", u""},
};

TEST(ZenHanUtilTables, NamedCases) {
    for (const auto& c : kCases) {
        EXPECT_EQ(converted(c.routine, std::u16string(c.in)), c.out) << c.name;
    }
}

TEST(ZenHanUtilTables, HalfToFullAndBackGivesTheTextAgain) {
    std::mt19937 rng(7);
    std::u16string halfKana;
    for (char16_t c = u'\uFF61'; c <= u'\uFF9F'; ++c)
        halfKana.push_back(c);
    const std::pair<Routine, Routine> trips[] = {{HanKanaToZen, ZenKanaToHan},
                                                 {HanNumToZen, ZenNumToHan},
                                                 {HanAlphaToZen, ZenAlphaToHan},
                                                 {HanSymbolToZen, ZenSymbolToHan}};
    std::u16string ascii;
    for (char16_t c = u' '; c <= u'~'; ++c)
        ascii.push_back(c);
    for (const auto& [there, back] : trips) {
        for (int round = 0; round < 500; ++round) {
            const std::u16string text = randomText(rng, halfKana + ascii, 30);
            EXPECT_EQ(converted(back, converted(there, text)), text) << toUtf8(text);
        }
    }
}

TEST(ZenHanUtilTables, EachRowHookRunsOncePerRowWhateverTheLength) {
    for (const std::size_t length :
         {std::size_t{0}, std::size_t{1}, std::size_t{83}, std::size_t{5000}}) {
        for (const auto& r : kRoutines) {
            std::u16string text(length, u'ｶ');
            std::size_t calls = 0;
            r.routine(text, [&] { ++calls; });
            EXPECT_EQ(calls, r.table.size()) << r.name << " over " << length;
        }
    }
}

TEST(ZenHanUtilTables, EachRowHookThatChangesTheTextCannotBreakThePass) {
    std::u16string text = u"ｶﾞｷﾞABC";
    HanKanaToZen(text, [&] { text.assign(100000, u'x'); });
    EXPECT_EQ(text, u"ガギABC");
}

TEST(ZenHanUtilTables, HugeTextConvertsWhole) {
    std::u16string text;
    for (int i = 0; i < 200000; ++i)
        text += u"ｶﾞﾊﾟ線1";
    HanKanaToZen(text);
    ASSERT_EQ(text.size(), 200000u * 4);
    EXPECT_EQ(text.substr(text.size() - 8), u"ガパ線1ガパ線1");
}

TEST(ZenHanUtilTables, ConverterRejectsRowsItCannotHold) {
    const TableRow tooLong[] = {{u"ア", u"ｱｱｱ"}};
    EXPECT_THROW(TableConverter(tooLong, WidthForm::Full), std::invalid_argument);
    const TableRow empty[] = {{u"", u"a"}};
    EXPECT_THROW(TableConverter(empty, WidthForm::Full), std::invalid_argument);
}

}  // namespace
}  // namespace tavor::zenHanUtil

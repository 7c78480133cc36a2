#include "convert/WidthMap.h"

#include <gtest/gtest.h>

#include <string>

namespace tavor {
namespace {

struct Case {
    const char* name;
    std::u16string_view in;
    std::u16string_view full;
    std::u16string_view half;
};

// Each row: the text, its full-width and its half-width mapping.
const Case kCases[] = {
    {"empty", u"", u"", u""},
    {"ascii", u"Az09!~", u"Ａｚ０９！～", u"Az09!~"},
    {"asciiFullForms", u"Ａｚ０９！～", u"Ａｚ０９！～", u"Az09!~"},
    {"space", u" \u3000", u"\u3000\u3000", u"  "},
    {"reverseSolidusStaysBothWays", u"\\＼", u"\\＼", u"\\＼"},
    {"asciiQuotesWidenToFullForms", u"\"'`", u"＂＇｀", u"\"'`"},
    {"curlyQuotesNarrowToAscii", u"‘’“”", u"‘’“”", u"''\"\""},
    {"halfKatakana", u"ｱｲｳｴｵﾝｦｧｯｰ", u"アイウエオンヲァッー", u"ｱｲｳｴｵﾝｦｧｯｰ"},
    {"fullKatakana", u"アイウエオンヲァッー", u"アイウエオンヲァッー", u"ｱｲｳｴｵﾝｦｧｯｰ"},
    {"kanaPunctuation", u"｡｢｣､･", u"。「」、・", u"｡｢｣､･"},
    {"kanaPunctuationFull", u"。「」、・", u"。「」、・", u"｡｢｣､･"},
    {"katakanaWithoutHalfForm", u"ヮヵヶヰヱ", u"ヮヵヶヰヱ", u"ヮヵヶヰヱ"},
    {"hiraganaHasNoHalfForm", u"ひらがなぱ", u"ひらがなぱ", u"ひらがなぱ"},
    {"halfVoicedComposes", u"ｶﾞﾊﾟｳﾞﾜﾞｦﾞ", u"ガパヴヷヺ", u"ｶﾞﾊﾟｳﾞﾜﾞｦﾞ"},
    {"composedDecomposes", u"ガパヴヷヺ", u"ガパヴヷヺ", u"ｶﾞﾊﾟｳﾞﾜﾞｦﾞ"},
    {"composingAndDecomposingMidText", u"Ａbｶﾞcガ d", u"Ａｂガｃガ\u3000ｄ", u"Abｶﾞcｶﾞ d"},
    {"composedWithoutHalfBase", u"ヸヹヾ", u"ヸヹヾ", u"ヰﾞヱﾞヽﾞ"},
    {"fullKanaSpacingMark", u"は゛ハ゜", u"ばパ", u"は\uFF9Eﾊﾟ"},
    {"fullKanaCombiningMark", u"か\u3099ヘ\u309A", u"がペ", u"か\uFF9Eﾍﾟ"},
    {"fullKanaHalfMark", u"カﾞゝﾞヽﾞ", u"ガゞヾ", u"ｶﾞゝﾞヽﾞ"},
    {"halfKanaFullMark", u"ｶ゛ﾊ\u309A", u"ガパ", u"ｶﾞﾊﾟ"},
    {"markWithoutComposition", u"ｱﾞア゛ﾝﾟ", u"ア\u3099ア\u3099ン\u309A", u"ｱﾞｱﾞﾝﾟ"},
    {"semiVoicedOnVoicedOnlyBase", u"ｶﾟ", u"カ\u309A", u"ｶﾟ"},
    {"onlyMarks", u"ﾞﾟ゛゜", u"\u3099\u309A\u3099\u309A", u"ﾞﾟﾞﾟ"},
    {"markBeforeBase", u"ﾞｶ", u"\u3099カ", u"ﾞｶ"},
    {"secondMarkStays", u"ｶﾞﾞ", u"ガ\u3099", u"ｶﾞﾞ"},
    {"otherWidthForms", u"¢£¬¯¦¥₩", u"￠￡￢￣￤￥￦", u"¢£¬¯¦¥₩"},
    {"otherWidthFormsFull", u"￠￡￢￣￤￥￦", u"￠￡￢￣￤￥￦", u"¢£¬¯¦¥₩"},
    {"whiteParentheses", u"⦅⦆｟｠", u"｟｠｟｠", u"⦅⦆⦅⦆"},
    {"hangul", u"ﾡﾾￂￜ", u"ㄱㅎㅏㅣ", u"ﾡﾾￂￜ"},
    {"hangulFull", u"ㄱㅎㅏㅣ\u3164", u"ㄱㅎㅏㅣ\u3164", u"ﾡﾾￂￜ\uFFA0"},
    {"formsWindowsLeaves", u"￨￩￪￫￬￭￮│←↑→↓■○", u"￨￩￪￫￬￭￮│←↑→↓■○", u"￨￩￪￫￬￭￮│←↑→↓■○"},
    {"controlsAndNul", std::u16string_view(u"\0\t\r\n\x7f", 5),
     std::u16string_view(u"\0\t\r\n\x7f", 5), std::u16string_view(u"\0\t\r\n\x7f", 5)},
    {"unpairedSurrogates",
     u"\xD800"
     u"a\xDC00\xDBFF",
     u"\xD800ａ\xDC00\xDBFF",
     u"\xD800"
     u"a\xDC00\xDBFF"},
    {"surrogatePair", u"𠮷ｶ😀", u"𠮷カ😀", u"𠮷ｶ😀"},
};

TEST(WidthMap, NamedCases) {
    for (const auto& c : kCases) {
        EXPECT_EQ(portableWidthMap(c.in, WidthForm::Full), c.full) << c.name;
        EXPECT_EQ(portableWidthMap(c.in, WidthForm::Half), c.half) << c.name;
    }
}

TEST(WidthMap, AsciiMovesByFixedDistance) {
    for (char16_t c = u'!'; c <= u'~'; ++c) {
        if (c == u'\\')
            continue;
        const auto wide = static_cast<char16_t>(c + 0xFEE0);
        EXPECT_EQ(portableWidthMap(std::u16string(1, c), WidthForm::Full), std::u16string(1, wide));
        EXPECT_EQ(portableWidthMap(std::u16string(1, wide), WidthForm::Half), std::u16string(1, c));
    }
}

TEST(WidthMap, MappingTwiceChangesNothingMore) {
    for (char32_t u = 0; u <= 0xFFFF; ++u) {
        const std::u16string c(1, static_cast<char16_t>(u));
        for (const WidthForm to : {WidthForm::Full, WidthForm::Half}) {
            const std::u16string once = portableWidthMap(c, to);
            ASSERT_FALSE(once.empty());
            ASSERT_EQ(portableWidthMap(once, to), once)
                << "U+" << std::hex << static_cast<unsigned>(u);
        }
    }
}

TEST(WidthMap, EveryHalfWidthKatakanaSurvivesTheRoundTrip) {
    for (char16_t c = u'\uFF61'; c <= u'\uFF9F'; ++c) {
        const std::u16string half(1, c);
        const std::u16string full = portableWidthMap(half, WidthForm::Full);
        EXPECT_NE(full, half);
        EXPECT_EQ(portableWidthMap(full, WidthForm::Half), half) << "U+" << std::hex << int(c);
    }
}

TEST(WidthMap, HugeTextMapsWhole) {
    std::u16string text;
    for (int i = 0; i < 500000; ++i)
        text += u"ｶﾞA ガ";
    const std::u16string full = portableWidthMap(text, WidthForm::Full);
    ASSERT_EQ(full.size(), 500000u * 4);
    EXPECT_EQ(full.substr(0, 8), u"ガＡ\u3000ガガＡ\u3000ガ");
    const std::u16string half = portableWidthMap(full, WidthForm::Half);
    ASSERT_EQ(half.size(), 500000u * 6);
    EXPECT_EQ(half.substr(0, 6), u"ｶﾞA ｶﾞ");
}

}  // namespace
}  // namespace tavor

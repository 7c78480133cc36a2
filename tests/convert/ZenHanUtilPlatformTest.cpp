#include <gtest/gtest.h>

#include <string>

#include "convert/ZenHanUtil.h"

namespace tavor::zenHanUtil {
namespace {

// What the system mapping does for the classes these texts depend on; these hold for
// Windows, for Wine and for our own mapping alike.
struct Case {
    const char* name;
    std::u16string_view in;
    std::u16string_view zen;
    std::u16string_view han;
};

const Case kCases[] = {
    {"empty", u"", u"", u""},
    {"asciiAndSpace", u"W-001 ab", u"Ｗ－００１\u3000ａｂ", u"W-001 ab"},
    {"fullAsciiAndSpace", u"Ｗ－００１\u3000ａｂ", u"Ｗ－００１\u3000ａｂ", u"W-001 ab"},
    {"reverseSolidusStays", u"\\＼", u"\\＼", u"\\＼"},
    {"quotesAreNotCurlyHere", u"\"'", u"＂＇", u"\"'"},
    {"curlyQuotesNarrow", u"“”‘’", u"“”‘’", u"\"\"''"},
    {"halfKanaComposes", u"ｶﾞｷﾞﾊﾟｰｯ", u"ガギパーッ", u"ｶﾞｷﾞﾊﾟｰｯ"},
    {"composedKanaDecomposes", u"ガギパーッ", u"ガギパーッ", u"ｶﾞｷﾞﾊﾟｰｯ"},
    {"kanjiAndHiraganaStay", u"線番ひらがな", u"線番ひらがな", u"線番ひらがな"},
    {"unpairedSurrogateStays", u"\xD800ｱ", u"\xD800ア", u"\xD800ｱ"},
};

TEST(ZenHanUtilPlatform, StrToZenAndStrToHan) {
    for (const auto& c : kCases) {
        std::u16string zen(c.in), han(c.in);
        StrToZen(zen);
        StrToHan(han);
        EXPECT_EQ(zen, c.zen) << c.name;
        EXPECT_EQ(han, c.han) << c.name;
    }
}

}  // namespace
}  // namespace tavor::zenHanUtil

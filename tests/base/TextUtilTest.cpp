#include "base/TextUtil.h"

#include <gtest/gtest.h>

namespace tavor {
namespace {

TEST(TextUtil, BlankTrimsCodesUpTo32ButNotTheIdeographicSpace) {
    EXPECT_TRUE(isBlank(u""));
    EXPECT_TRUE(isBlank(u" \t\r\n\x01"));
    EXPECT_FALSE(isBlank(u"\u3000"));
    EXPECT_EQ(trimmed(u" \tA B\x1f "), u"A B");
}

TEST(TextUtil, SplitAndJoinRoundTripEveryKindOfBreak) {
    EXPECT_EQ(splitLines(u"a\rb\nc\r\nd"), (std::vector<std::u16string>{u"a", u"b", u"c", u"d"}));
    EXPECT_EQ(splitLines(u"a\r\n"), (std::vector<std::u16string>{u"a", u""}));
    EXPECT_EQ(splitLines(u"\n\n"), (std::vector<std::u16string>{u"", u"", u""}));
    EXPECT_EQ(joinLines(splitLines(u"x\r\n\r\ny")), u"x\r\n\r\ny");
}

TEST(TextUtil, Utf8RoundTripAndInvalidBytesBecomeReplacementCharacters) {
    const std::u16string jp = u"線番 W-001 \U0001F600";
    EXPECT_EQ(fromUtf8(toUtf8(jp)), jp);
    bool valid = true;
    EXPECT_EQ(fromUtf8("a\xff"
                       "b",
                       &valid),
              u"a\uFFFDb");
    EXPECT_FALSE(valid);
    fromUtf8("\xE7\xB7\x9A", &valid);
    EXPECT_TRUE(valid);
    fromUtf8("\xED\xA0\x80", &valid);  // an encoded surrogate is not UTF-8
    EXPECT_FALSE(valid);
    EXPECT_EQ(toUtf8(u"\xD800x"), "\xEF\xBF\xBDx");
}

TEST(TextUtil, AsciiUpperLeavesEverythingElse) {
    EXPECT_EQ(asciiUpper(u"w001-a ａｂ"), u"W001-A ａｂ");
}

}  // namespace
}  // namespace tavor

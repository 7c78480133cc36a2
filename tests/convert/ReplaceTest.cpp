#include <gtest/gtest.h>

#include "convert/Replace.h"
#include "support/FakePlatform.h"

namespace tavor {
namespace {

std::u16string replaced(const Replacer& replacer, std::u16string text) {
    replacer.apply(text);
    return text;
}

struct ReplaceCase {
    const char* name;
    std::u16string text, search, replacement;
    bool ignoreCase;
    std::u16string expected;
};

class ReplacerTest : public testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplacerTest, Replaces) {
    const ReplaceCase& c = GetParam();
    test::FakePlatform platform;
    const Replacer replacer(c.search, c.replacement, c.ignoreCase, platform);
    EXPECT_EQ(replaced(replacer, c.text), c.expected);
    // A buffer with room for the longer result is written where it lies, to the same text.
    std::u16string roomy = c.text;
    roomy.reserve(c.text.size() * 4 + 16);
    const char16_t* const buffer = roomy.data();
    replacer.apply(roomy);
    EXPECT_EQ(roomy, c.expected);
    EXPECT_EQ(roomy.data(), buffer);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReplacerTest,
    testing::Values(ReplaceCase{"IgnoreCase", u"xABCxabc", u"abc", u"Z", true, u"xZxZ"},
                    ReplaceCase{"ExactCase", u"xABCxabc", u"abc", u"Z", false, u"xABCxZ"},
                    ReplaceCase{"NoOverlap", u"aaa", u"aa", u"b", false, u"ba"},
                    ReplaceCase{"InsertedNotSearchedAgain", u"aXa", u"a", u"aa", false, u"aaXaa"},
                    ReplaceCase{"LongerAtStartMiddleAndEnd", u"pump-Pump x pump", u"PUMP",
                                u"PUMP-1", true, u"PUMP-1-PUMP-1 x PUMP-1"},
                    ReplaceCase{"EmptyReplacementDeletes", u"a-b-c", u"-", u"", false, u"abc"},
                    ReplaceCase{"NoMatch", u"abc", u"x", u"y", true, u"abc"},
                    ReplaceCase{"EmptySearchChangesNothing", u"abc", u"", u"y", true, u"abc"},
                    ReplaceCase{"EmptyText", u"", u"a", u"b", true, u""},
                    ReplaceCase{"ReplacementKeepsItsCase", u"ABC", u"b", u"xY", true, u"AxYC"},
                    ReplaceCase{"FullWidthLettersByLocale", u"ＡＢｃ", u"ａｂＣ", u"=", true, u"="},
                    ReplaceCase{"JapaneseLiteral", u"配線番号W1", u"番号", u"No.", false,
                                u"配線No.W1"},
                    ReplaceCase{"ControlCharacters",
                                u"a\tb\x01"
                                u"c",
                                u"\x01", u"|", false, u"a\tb|c"},
                    ReplaceCase{"UnpairedSurrogate",
                                u"a\xD800"
                                u"b\xDC00",
                                u"\xD800", u"?", true, u"a?b\xDC00"}),
    [](const auto& info) { return std::string(info.param.name); });

// A locale whose upper case of ß is SS, longer than the text it came from.
class GrowingUpperPlatform : public test::FakePlatform {
public:
    std::u16string upperCase(const std::u16string& text) override {
        std::u16string out;
        for (char16_t c : text) {
            if (c == u'ß')
                out += u"SS";
            else
                out += (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c;
        }
        return out;
    }
};

TEST(ReplacerLocaleTest, UpperCaseOfOtherLengthStillMatchesAtTheRightPlace) {
    GrowingUpperPlatform platform;
    const Replacer replacer(u"ab", u"#", true, platform);
    EXPECT_EQ(replaced(replacer, u"ßßAbxaB"), u"ßß#x#");
    const Replacer sharp(u"ß", u"ss", true, platform);
    EXPECT_EQ(replaced(sharp, u"Straße"), u"Strasse");
}

// A locale whose upper case of i depends on what follows: before a combining dot above it is
// the dotted capital, elsewhere the plain one; the length never changes.
class ContextUpperPlatform : public test::FakePlatform {
public:
    std::u16string upperCase(const std::u16string& text) override {
        ++calls;
        std::u16string out = FakePlatform::upperCase(text);
        for (std::size_t i = 0; i + 1 < text.size(); ++i)
            if (text[i] == u'i' && text[i + 1] == u'\u0307')
                out[i] = u'\u0130';
        return out;
    }
    int calls = 0;
};

TEST(ReplacerLocaleTest, TextsWithCombiningMarksAreUpperCasedWhole) {
    ContextUpperPlatform platform;
    const Replacer replacer(u"\u0130", u"=", true, platform);
    EXPECT_EQ(replaced(replacer, u"i\u0307 i"), u"=\u0307 i");
    const Replacer plain(u"IX", u"=", true, platform);
    platform.calls = 0;
    for (int line = 0; line < 1000; ++line)
        EXPECT_EQ(replaced(plain, u"ix-iX"), u"=-=");
    EXPECT_LE(platform.calls, 3);  // once for each code unit, not for each line
}

TEST(ReplacerLocaleTest, HugeLineWithManyHits) {
    test::FakePlatform platform;
    std::u16string text;
    for (int i = 0; i < 100000; ++i)
        text += u"ab";
    const Replacer replacer(u"B", u"", true, platform);
    EXPECT_EQ(replaced(replacer, text), std::u16string(100000, u'a'));
}

// Against the plain definition: the whole text upper-cased at once, searched left to right. The
// texts mix units of many pages of the table, units that are never upper-cased alone, and
// near misses, with search strings of one to three units and replacements of every length.
TEST(ReplacerLocaleTest, MatchesSearchingTheWholeTextUpperCased) {
    test::FakePlatform platform;
    const std::u16string alphabet = u"aAbB\uFF41\uFF21\u3042\u0301\xD800\xDC00-\u00DF";
    std::uint32_t seed = 12345;
    const auto next = [&seed](std::uint32_t bound) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % bound;
    };
    const auto randomText = [&](std::uint32_t maxLength) {
        std::u16string s(next(maxLength + 1), u' ');
        for (char16_t& c : s)
            c = alphabet[next(static_cast<std::uint32_t>(alphabet.size()))];
        return s;
    };
    for (int round = 0; round < 3000; ++round) {
        const std::u16string search = randomText(2) + alphabet[next(4)];
        const std::u16string replacement = randomText(4);
        const std::u16string text = randomText(12);
        const std::u16string upperText = platform.upperCase(text);
        const std::u16string upperSearch = platform.upperCase(search);
        std::u16string expected;
        std::size_t from = 0;
        for (std::size_t hit = upperText.find(upperSearch); hit != std::u16string::npos;
             hit = upperText.find(upperSearch, from)) {
            expected += text.substr(from, hit - from) + replacement;
            from = hit + search.size();
        }
        expected += text.substr(from);
        const Replacer replacer(search, replacement, true, platform);
        ASSERT_EQ(replaced(replacer, text), expected) << round;
        // The same replacer again, its table now filled.
        ASSERT_EQ(replaced(replacer, text), expected) << round;
    }
}

}  // namespace
}  // namespace tavor

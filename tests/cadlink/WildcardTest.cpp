#include <gtest/gtest.h>

#include "cadlink/sim/Wildcard.h"

namespace tavor::cad::sim {
namespace {

struct Case {
    const char* name;
    std::u16string pattern, text;
    bool sensitive, insensitive;  // the result with case, and without
};

const Case kCases[] = {
    {"StarMatchesEverything", u"*", u"", true, true},
    {"StarInTheMiddle", u"R*1", u"R10-1", true, true},
    {"StarNeedsTheTail", u"R*1", u"R10-2", false, false},
    {"SubstringSearch", u"*L1*", u"電源 L1", true, true},
    {"QuestionIsOneCharacter", u"R?01", u"R101", true, true},
    {"QuestionIsNotTwo", u"R?01", u"R1101", false, false},
    {"QuestionTakesAKanji", u"?源", u"電源", true, true},
    {"QuestionTakesASurrogatePair", u"?", u"\U00020B9F", true, true},
    {"HashIsADigit", u"R###", u"R101", true, true},
    {"HashIsNotALetter", u"R#0#", u"R1A1", false, false},
    {"AtIsALetter", u"@@##", u"MC01", true, true},
    {"AtTakesKana", u"@", u"カ", true, true},
    {"AtIsNotADigit", u"@", u"1", false, false},
    {"DotIsNeitherLetterNorDigit", u"MC.1", u"MC-1", true, true},
    {"DotIsNotALetter", u"MC.1", u"MCA1", false, false},
    {"SetTakesOne", u"[ABC]1", u"B1", true, true},
    {"SetRange", u"X00[0-3]", u"X002", true, true},
    {"SetRangeOutside", u"X00[0-3]", u"X004", false, false},
    {"NegatedSet", u"[~0-9]*", u"A12", true, true},
    {"NegatedSetRefuses", u"[~0-9]*", u"12", false, false},
    {"SetWithCase", u"[a]", u"A", false, true},
    {"BracketFirstIsLiteral", u"[]]", u"]", true, true},
    {"TildeNegatesThePattern", u"~R*", u"S103", true, true},
    {"TildeRefusesAMatch", u"~R*", u"R101", false, false},
    {"TildeLaterIsLiteral", u"a~b", u"a~b", true, true},
    {"CommaSeparatesAlternatives", u"R*,S*", u"S103", true, true},
    {"CommaNeitherAlternative", u"R*,S*", u"T106", false, false},
    {"NegatedAlternative", u"~R*,R101", u"R101", true, true},
    {"BackquoteEscapesStar", u"A`*", u"A*", true, true},
    {"EscapedStarIsNoWildcard", u"A`*", u"AB", false, false},
    {"BackquoteEscapesComma", u"A`,B", u"A,B", true, true},
    {"EscapedCommaIsNoSeparator", u"A`,B", u"B", false, false},
    {"CaseMatters", u"MOTOR*", u"motor m1", false, true},
    {"FullWidthFolds", u"ＭＣ", u"ｍｃ", false, true},
    {"CyrillicFolds", u"БЛОК", u"блок", false, true},
    {"EmptyPatternEmptyText", u"", u"", true, true},
    {"EmptyPatternRefusesText", u"", u"A", false, false},
    {"UnclosedSetMatchesNothing", u"A[BC", u"A[BC", false, false},
    {"UnclosedSetSpoilsOnlyItsAlternative", u"Q*,A[BC", u"Q1", true, true},
    {"TrailingBackquoteMatchesNothing", u"A`", u"A`", false, false},
    {"TrailingBackquoteInNegation", u"~A`", u"B", false, false},
    {"ManyStarsDoNotExplode", u"*a*a*a*a*a*a*a*a*b", std::u16string(200, u'a'), false, false},
    {"EveryWildcardEscaped", u"`#`@`.`*`?`~`[`]`,``", u"#@.*?~[],`", true, true},
    {"EscapedWildcardsAreLiteral", u"`#`@`.`*`?", u"1A-xy", false, false},
    {"EveryWildcardAtOnce", u"#@.*?[~a]`,~", u"1A-xyzQb,~", true, true},
    {"EveryWildcardAtOnceRefusesTheSetMember", u"#@.*?[~a]`,~", u"1A-xyzQa,~", false, false},
    {"LoneTildeMatchesAnyText", u"~", u"A", true, true},
    {"LoneTildeRefusesTheEmptyText", u"~", u"", false, false},
    {"NegatedStarMatchesNothing", u"~*", u"A", false, false},
    {"LoneCommaMatchesOnlyTheEmptyText", u",", u"A", false, false},
    {"SubstringWithACommaSplitsIt", u"*A,B*", u"xA", true, true},
    {"UnclosedSetInsideStars", u"*[*", u"[", false, false},
    {"NegatedUnclosedSet", u"[~A", u"B", false, false},
    {"KanjiSubstring", u"*配線*", u"電源配線L1", true, true},
    {"KanjiIsNotAnotherKanji", u"*配線*", u"電源配管L1", false, false},
    {"FullWidthLetterIsALetter", u"@", u"Ａ", true, true},
    {"FullWidthDigitIsNoDigit", u"#", u"１", false, false},
    {"FullWidthSpaceIsOther", u"A.B", u"A\u3000B", true, true},
    {"KanjiSet", u"[電動]機", u"動機", true, true},
    {"QuestionTakesATab", u"A?B", u"A\tB", true, true},
    {"StarCrossesLineBreaks", u"*\r*", u"x\r\ny", true, true},
    {"DotTakesAControlCharacter", u".", u"\x01", true, true},
    {"NulInsideTheText", u"A*", std::u16string(u"A\0B", 3), true, true},
};

class WildcardTest : public testing::TestWithParam<Case> {};

TEST_P(WildcardTest, MatchesAsTheCad) {
    const Case& c = GetParam();
    EXPECT_EQ(wildcardMatch(c.pattern, c.text, CaseRule::Sensitive), c.sensitive);
    EXPECT_EQ(wildcardMatch(c.pattern, c.text, CaseRule::Insensitive), c.insensitive);
}

INSTANTIATE_TEST_SUITE_P(Patterns, WildcardTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WildcardPatternTest, OneCompiledPatternServesManyTexts) {
    const WildcardPattern p(u"X00#", CaseRule::Sensitive);
    EXPECT_TRUE(p.matches(u"X001"));
    EXPECT_TRUE(p.matches(u"X009"));
    EXPECT_FALSE(p.matches(u"X00"));
    EXPECT_FALSE(p.matches(u"X0010"));
}

// Ten thousand characters stay linear to compile and to match.
TEST(WildcardPatternTest, LongPatternsMatchExactly) {
    const std::u16string ten(10000, u'A');
    EXPECT_TRUE(wildcardMatch(std::u16string(10000, u'?'), ten, CaseRule::Sensitive));
    EXPECT_FALSE(wildcardMatch(std::u16string(10000, u'?'), ten + u"A", CaseRule::Sensitive));
    EXPECT_TRUE(wildcardMatch(u"*" + ten + u"*", u"x" + ten + u"y", CaseRule::Sensitive));
    EXPECT_FALSE(wildcardMatch(u"*" + ten + u"*", ten.substr(1), CaseRule::Sensitive));
    EXPECT_FALSE(wildcardMatch(std::u16string(10000, u'['), u"[", CaseRule::Sensitive));

    std::u16string stars;
    for (int i = 0; i < 5000; ++i)
        stars += u"*a";
    EXPECT_TRUE(wildcardMatch(stars, std::u16string(5000, u'a'), CaseRule::Insensitive));
    EXPECT_FALSE(wildcardMatch(stars + u"b", std::u16string(5000, u'a'), CaseRule::Insensitive));
}

}  // namespace
}  // namespace tavor::cad::sim

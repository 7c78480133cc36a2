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

}  // namespace
}  // namespace tavor::cad::sim

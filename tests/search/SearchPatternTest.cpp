#include <gtest/gtest.h>

#include "search/SearchPattern.h"

namespace tavor {
namespace {

struct PatternCase {
    const char* name;
    std::u16string typed;
    bool prefix;
    std::u16string pattern;
};

const PatternCase kPatternCases[] = {
    {"EmptyFindsEverything", u"", false, u"*"},
    {"EmptyPrefixFindsEverything", u"", true, u"*"},
    {"Substring", u"W1", false, u"*W1*"},
    {"Prefix", u"W1", true, u"W1*"},
    {"WildcardsPassThrough", u"W#?", false, u"*W#?*"},
    {"BlanksAreKept", u" ", true, u" *"},
    {"Japanese", u"電源", false, u"*電源*"},
};

class SearchPatternTest : public testing::TestWithParam<PatternCase> {};

TEST_P(SearchPatternTest, FollowsThePrefixBox) {
    EXPECT_EQ(searchPattern(GetParam().typed, GetParam().prefix), GetParam().pattern);
}

INSTANTIATE_TEST_SUITE_P(Typed, SearchPatternTest, testing::ValuesIn(kPatternCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavor

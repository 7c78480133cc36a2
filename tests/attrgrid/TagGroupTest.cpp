#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "attrgrid/TagGroup.h"

namespace tavor {
namespace {

TEST(TagGroupTest, LinesSplitIntoLabelTagsAndBlockPattern) {
    struct Case {
        const char* name;
        std::u16string line;
        std::vector<std::u16string> fields;
        std::u16string pattern;
    };
    const std::vector<Case> cases = {
        {"a built-in group",
         u"機器,NAME,NAME1,SPEC,TYPE",
         {u"機器", u"NAME", u"NAME1", u"SPEC", u"TYPE"},
         u"*"},
        {"a bracketed pattern in the label", u"機器[DEV*],NAME", {u"機器[DEV*]", u"NAME"}, u"DEV*"},
        {"an empty line", u"", {}, u"*"},
        {"only a label", u"ラベル", {u"ラベル"}, u"*"},
        {"empty fields and blanks kept", u"L, A ,,B,", {u"L", u" A ", u"", u"B", u""}, u"*"},
        {"empty brackets", u"L[],A", {u"L[]", u"A"}, u"*"},
        {"an unclosed bracket", u"L[DEV,A", {u"L[DEV", u"A"}, u"*"},
        {"a bracket closed before it opens", u"L]x[,A", {u"L]x[", u"A"}, u"*"},
        {"a quoted label with a comma",
         u"\"I/O, 盤[IO*]\",PIN1",
         {u"I/O, 盤[IO*]", u"PIN1"},
         u"IO*"},
        {"brackets in a TAG do not count", u"L,A[X]", {u"L", u"A[X]"}, u"*"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TagGroup g = parseTagGroup(c.line);
        EXPECT_EQ(g.fields, c.fields);
        EXPECT_EQ(g.blockPattern, c.pattern);
        EXPECT_EQ(g.columnCount(), static_cast<int>(c.fields.size()));
    }
}

}  // namespace
}  // namespace tavor

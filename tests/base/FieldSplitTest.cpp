#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/FieldSplit.h"
#include "base/TextUtil.h"

namespace tavor {
namespace {

using Fields = std::vector<std::u16string>;

struct SplitCase {
    const char* name;
    std::u16string text;
    Fields fields;
};

TEST(SplitFieldsTest, StrictSplittingWithQuotedFields) {
    const SplitCase cases[] = {
        {"empty text has no field", u"", {}},
        {"one field", u"機器", {u"機器"}},
        {"blanks neither split nor trim", u" a b , c ", {u" a b ", u" c "}},
        {"empty fields kept", u"a,,b", {u"a", u"", u"b"}},
        {"delimiter at the end", u"a,", {u"a", u""}},
        {"delimiter alone", u",", {u"", u""}},
        {"quoted delimiter", u"\"a,b\",c", {u"a,b", u"c"}},
        {"doubled quote", u"\"say \"\"hi\"\"\",x", {u"say \"hi\"", u"x"}},
        {"text after the closing quote stays",
         u"\"ab\"cd,e",
         {u"ab"
          u"cd",
          u"e"}},
        {"unclosed quote runs to the end", u"\"a,b", {u"a,b"}},
        {"quote inside a field is plain", u"a\"b,c", {u"a\"b", u"c"}},
        {"empty quoted field", u"\"\",x", {u"", u"x"}},
    };
    for (const SplitCase& c : cases)
        EXPECT_EQ(splitFields(c.text, u','), c.fields) << c.name;
    EXPECT_EQ(splitFields(u"TAG:説明:x", u':'), (Fields{u"TAG", u"説明", u"x"}));
}

TEST(BracketedPatternTest, FirstOpeningAndFirstClosingBracket) {
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"機器", u"*"},     {u"機器[AB]", u"AB"}, {u"[A*]x", u"A*"},
        {u"a[]", u"*"},      {u"a]b[c]", u"*"},    {u"a[b", u"*"},
        {u"a[b]c[d]", u"b"}, {u"a[[b]]", u"[b"},   {u"", u"*"},
    };
    for (const auto& [label, pattern] : cases)
        EXPECT_EQ(bracketedPattern(label), pattern) << toUtf8(label);
}

}  // namespace
}  // namespace tavor

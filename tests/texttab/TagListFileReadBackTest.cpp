// Found by the TAG list fuzzer: a code-page list whose remaining lines happen to be valid UTF-8
// came back as other characters after a save.
#include <gtest/gtest.h>

#include "support/TempDir.h"
#include "texttab/TagListFile.h"

namespace tavor {
namespace {

using Lines = std::vector<std::u16string>;

struct ReadBackCase {
    const char* name;
    std::string bytes;  // the file as another program left it
    Lines saved;        // what the dialog saves after the person edited the list
};

class TagListReadBack : public ::testing::TestWithParam<ReadBackCase> {};

TEST_P(TagListReadBack, AnEditedListReadsBackAsItWasSaved) {
    test::TempDir dir;
    dir.write("t.txt", GetParam().bytes);
    TagListFile file(dir / "t.txt");
    ASSERT_TRUE(file.load(TagListFile::Lines::All).has_value());
    ASSERT_TRUE(file.save(GetParam().saved));
    EXPECT_EQ(TagListFile(dir / "t.txt").load(TagListFile::Lines::All), GetParam().saved);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, TagListReadBack,
    ::testing::Values(
        // CP932 "ﾃｩ" is C3 A9, which alone reads as the UTF-8 "é".
        ReadBackCase{"KanaThatLooksLikeUtf8", "\xC3\xA9\r\n\x82\xA0\r\n", {u"ﾃｩ"}},
        ReadBackCase{"KanaAndAsciiLeft", "\xC3\xA9\r\nTAG\r\n\x82\xA0\r\n", {u"TAG", u"ﾃｩ"}},
        ReadBackCase{"AsciiLeft", "TAG\r\n\x82\xA0\r\n", {u"TAG"}},
        ReadBackCase{"EveryLineKept", "\xC3\xA9\r\n\x82\xA0\r\n", {u"ﾃｩ", u"あ"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavor

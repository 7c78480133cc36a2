#include "texttab/TagListFile.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace tavor {
namespace {

using Lines = std::vector<std::u16string>;

struct EncodingCase {
    const char* name;
    TextEncoding encoding;
};

class TagListEncoding : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(TagListEncoding, ReadsEveryLineEndingAndSavesInTheEncodingItWasReadIn) {
    test::TempDir dir;
    const TextEncoding e = GetParam().encoding;
    dir.write("t.txt", encodeText(u"SENBAN:線番\rNAME:機器名\n\r\nJCMNT1:コメント１", e));
    TagListFile file(dir / "t.txt");
    EXPECT_EQ(file.load(TagListFile::Lines::All),
              (Lines{u"SENBAN:線番", u"NAME:機器名", u"", u"JCMNT1:コメント１"}));
    ASSERT_TRUE(file.save({u"A:あ", u"B:い"}));
    const DecodedText back = decodeText(dir.read("t.txt"));
    EXPECT_EQ(back.encoding, e);
    EXPECT_EQ(back.text, u"A:あ\r\nB:い\r\n");
}

INSTANTIATE_TEST_SUITE_P(Encodings, TagListEncoding,
                         ::testing::Values(EncodingCase{"Utf8Bom", TextEncoding::Utf8Bom},
                                           EncodingCase{"Utf16Le", TextEncoding::Utf16Le},
                                           EncodingCase{"Utf16Be", TextEncoding::Utf16Be}
#ifndef _WIN32
                                           ,
                                           EncodingCase{"Utf8", TextEncoding::Utf8},
                                           EncodingCase{"Cp932", TextEncoding::Cp932}
#endif
                                           ),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TagListFile, ReloadDropsBlankLinesButKeepsOthersUntrimmed) {
    test::TempDir dir;
    dir.write("t.txt", "\r\n  \r\n NAME:x \r\n\t\r\nSPEC\r\n");
    TagListFile file(dir / "t.txt");
    EXPECT_EQ(file.load(TagListFile::Lines::NonBlank), (Lines{u" NAME:x ", u"SPEC"}));
    EXPECT_EQ(file.load(TagListFile::Lines::All), (Lines{u"", u"  ", u" NAME:x ", u"\t", u"SPEC"}));
}

TEST(TagListFile, MissingAndEmptyFiles) {
    test::TempDir dir;
    TagListFile missing(dir / "none.txt");
    EXPECT_FALSE(missing.load(TagListFile::Lines::All).has_value());
    ASSERT_TRUE(missing.save({u"X:y"}));  // the first close creates it
    EXPECT_EQ(dir.read("none.txt"), "X:y\r\n");

    dir.write("empty.txt", "");
    TagListFile empty(dir / "empty.txt");
    EXPECT_EQ(empty.load(TagListFile::Lines::All), Lines{});
}

TEST(TagListFile, BinaryAndHugeFilesLoadWhatCanBeReadAndLoseNoLineWhenSaved) {
    test::TempDir dir;
    std::string bytes;
    for (int i = 0; i < 200000; ++i) {
        bytes += "TAG" + std::to_string(i) + ":";
        bytes.push_back(static_cast<char>(0x80 + i % 0x7F));
        bytes.push_back(static_cast<char>(i % 3 == 0 ? '\0' : 'x'));
        bytes += "\r\n";
    }
    dir.write("big.txt", bytes);
    TagListFile file(dir / "big.txt");
    const auto lines = file.load(TagListFile::Lines::All);
    ASSERT_TRUE(lines.has_value());
    ASSERT_EQ(lines->size(), 200000u);
    ASSERT_TRUE(file.save(*lines));
    TagListFile again(dir / "big.txt");
    EXPECT_EQ(again.load(TagListFile::Lines::All), lines);
}

#ifndef _WIN32
TEST(TagListFile, TextTheCodePageCannotHoldIsSavedAsUtf8WithAMark) {
    test::TempDir dir;
    dir.write("t.txt", "\x90\xFC\x94\xD4\r\n");  // 線番 in CP932
    TagListFile file(dir / "t.txt");
    EXPECT_EQ(file.load(TagListFile::Lines::All), Lines{u"線番"});
    ASSERT_TRUE(file.save({u"線番", u"EMOJI:\U0001F600"}));
    const DecodedText back = decodeText(dir.read("t.txt"));
    EXPECT_EQ(back.encoding, TextEncoding::Utf8Bom);
    EXPECT_EQ(back.text, u"線番\r\nEMOJI:\U0001F600\r\n");
}

TEST(TagListFile, AFileThatCouldNotBeReadIsNeverOverwritten) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    test::TempDir dir;
    dir.write("t.txt", "MINE:1\r\n");
    std::filesystem::permissions(dir / "t.txt", std::filesystem::perms::none);
    TagListFile file(dir / "t.txt");
    EXPECT_FALSE(file.load(TagListFile::Lines::All).has_value());
    EXPECT_FALSE(file.save({u"BUILTIN:1"}));
    std::filesystem::permissions(dir / "t.txt", std::filesystem::perms::owner_all);
    EXPECT_EQ(dir.read("t.txt"), "MINE:1\r\n");
}
#endif

}  // namespace
}  // namespace tavor

#include <gtest/gtest.h>

#include "MainFormRig.h"

namespace tavor {
namespace {

using test::MainFormRig;
using Items = std::vector<std::u16string>;

TEST(MainFormTagLists, FilesReplaceTheBuiltInItemsSortedWithBlankLinesAndTheSavedIndex) {
    MainFormRig rig(false);
    rig.dir.write("tavordesk.ini", "[TavorEdit]\r\nAttTagIndex1=2\r\nAttTagIndex2=7\r\n");
    // With a mark, so that the test reads the same on every system's code page.
    rig.dir.write("TavorEditTagList.txt",
                  encodeText(u"SPEC:仕様\r\n\r\nAAA:x\r\nTYPE:型式\r\n", TextEncoding::Utf8Bom));
    rig.dir.write("TavorEdit2ATagList.txt", encodeText(u"盤,A\nB群,X,Y\n", TextEncoding::Utf8Bom));
    rig.app.create();
    EXPECT_EQ(rig.form.ComboBox1.items.get(), (Items{u"", u"AAA:x", u"SPEC:仕様", u"TYPE:型式"}));
    EXPECT_EQ(rig.form.ComboBox1.itemIndex.get(), 2);
    EXPECT_EQ(rig.form.ComboBox1.text.get(), u"SPEC:仕様");
    EXPECT_EQ(rig.form.ComboBox2.items.get().size(), 2u);
    EXPECT_EQ(rig.form.ComboBox2.itemIndex.get(), 0);  // 7 is beyond the list
}

TEST(MainFormTagLists, CloseSavesOnlyTheTextTabsListInItsEncoding) {
    MainFormRig rig(false);
    rig.dir.write("TavorEditTagList.txt", encodeText(u"B:い\r\nA:あ\r\n", TextEncoding::Utf16Le));
    rig.dir.write("TavorEdit2ATagList.txt", "Z,1\r\nA,2\r\n");
    rig.app.create();
    rig.form.FormCloseQuery();
    const DecodedText saved = decodeText(rig.dir.read("TavorEditTagList.txt"));
    EXPECT_EQ(saved.encoding, TextEncoding::Utf16Le);
    EXPECT_EQ(saved.text, u"A:あ\r\nB:い\r\n");
    EXPECT_EQ(rig.dir.read("TavorEdit2ATagList.txt"), "Z,1\r\nA,2\r\n");
}

TEST(MainFormTagLists, TheFirstCloseCreatesTheListWithTheBuiltInItems) {
    MainFormRig rig;
    rig.form.FormCloseQuery();
    EXPECT_EQ(decodeText(rig.dir.read("TavorEditTagList.txt")).text,
              u"JCMNT1:コメント１\r\nJCMNT2:コメント２\r\nNAME:機器名\r\nNAME1:機器名１\r\nSENBAN:"
              u"線番\r\n");
}

TEST(MainFormTagLists, ReloadDropsBlankLinesAndKeepsTheIndexNotTheText) {
    MainFormRig rig(false);
    rig.dir.write("TavorEditTagList.txt", "B:2\r\nC:3\r\nA:1\r\n");
    rig.app.create();
    rig.form.ComboBox1.itemIndex = 1;  // B:2
    rig.dir.write("TavorEditTagList.txt", "\r\n  \r\nAA:0\r\nB:2\r\nC:3\r\n");
    rig.form.AG4Click();
    EXPECT_EQ(rig.form.ComboBox1.items.get(), (Items{u"AA:0", u"B:2", u"C:3"}));
    EXPECT_EQ(rig.form.ComboBox1.itemIndex.get(), 1);
    EXPECT_EQ(rig.form.ComboBox1.text.get(), u"B:2");

    rig.dir.write("TavorEditTagList.txt", "X:1\r\n");
    rig.form.AG4Click();
    EXPECT_EQ(rig.form.ComboBox1.itemIndex.get(), 0);  // the index is beyond the new list
}

TEST(MainFormTagLists, AReloadThatEmptiesTheListEmptiesTheBoxToo) {
    MainFormRig rig;
    ASSERT_FALSE(rig.form.ComboBox1.text.get().empty());
    rig.dir.write("TavorEditTagList.txt", "\r\n \r\n");
    rig.form.AG4Click();
    EXPECT_TRUE(rig.form.ComboBox1.items.get().empty());
    EXPECT_EQ(rig.form.ComboBox1.itemIndex.get(), -1);
    EXPECT_EQ(rig.form.ComboBox1.text.get(), u"");
}

#ifdef __linux__
// A file that exists but cannot be read, even by root: a link to memory no read may touch.
TEST(MainFormTagLists, AReloadOfAnUnreadableFileSaysSoAndKeepsTheItems) {
    MainFormRig rig;
    const Items before = rig.form.ComboBox2.items;
    std::filesystem::create_symlink("/proc/self/mem", rig.dir / "TavorEdit2ATagList.txt");
    rig.form.AG2Click();
    ASSERT_EQ(rig.platform.messages.size(), 1u);
    EXPECT_EQ(rig.platform.messages[0].text,
              (rig.dir / "TavorEdit2ATagList.txt").u16string() + u"\r\nを読み込めません．");
    EXPECT_EQ(rig.form.ComboBox2.items.get(), before);
}
#endif

TEST(MainFormTagLists, ReloadAndEditOfAMissingFileOnlySayThatItIsMissing) {
    MainFormRig rig;
    const Items before = rig.form.ComboBox2.items;
    rig.form.AG2Click();
    ASSERT_EQ(rig.platform.messages.size(), 1u);
    EXPECT_EQ(rig.platform.messages[0].text,
              (rig.dir / "TavorEdit2ATagList.txt").u16string() + u"\r\nが、見つかりません．");
    EXPECT_EQ(rig.form.ComboBox2.items.get(), before);

    rig.form.AG3Click();
    ASSERT_EQ(rig.platform.messages.size(), 2u);
    EXPECT_EQ(rig.platform.messages[1].text,
              (rig.dir / "TavorEditTagList.txt").u16string() + u"\r\nファイルが見つかりません．");
    EXPECT_EQ(rig.platform.messages[1].kind, MessageKind::Information);
    EXPECT_TRUE(rig.platform.openedFiles.empty());
}

TEST(MainFormTagLists, EditOpensTheExistingFileAndReloadsNothing) {
    MainFormRig rig;
    rig.dir.write("TavorEdit2ATagList.txt", "A,1\r\n");
    rig.form.AG1Click();
    ASSERT_EQ(rig.platform.openedFiles.size(), 1u);
    EXPECT_EQ(rig.platform.openedFiles[0], rig.dir / "TavorEdit2ATagList.txt");
    EXPECT_EQ(rig.form.ComboBox2.items.get().size(), 5u);
    EXPECT_TRUE(rig.platform.messages.empty());
}

}  // namespace
}  // namespace tavor

// Closing the program on a disk that fills up half way: the settings and the TAG list keep what
// they held, and the person is told that neither was saved.
#include <gtest/gtest.h>

#include "MainFormRig.h"
#include "support/FailingFileSteps.h"

namespace tavor::test {
namespace {

TEST(SaveOnFullDisk, TheOldFilesStayWholeAndEachUnsavedFileIsTold) {
    MainFormRig rig;
    rig.form.FormCloseQuery();
    ASSERT_TRUE(rig.platform.messages.empty());
    const std::string settings = rig.dir.read("tavordesk.ini");
    const std::string tags = rig.dir.read("TavorEditTagList.txt");

    auto items = rig.form.ComboBox1.items.get();
    items.push_back(u"NEW:新しい");
    rig.form.ComboBox1.items.set(items);
    FullDisk disk(3);
    {
        ScopedFileWriteSteps seam(disk);
        rig.form.FormCloseQuery();
    }
    ASSERT_EQ(rig.platform.messages.size(), 2u);
    EXPECT_EQ(rig.platform.messages[0].text, rig.iniPath().u16string() + u"\r\nを保存できません．");
    EXPECT_EQ(rig.platform.messages[1].text,
              (rig.dir / "TavorEditTagList.txt").u16string() + u"\r\nを保存できません．");
    EXPECT_EQ(rig.dir.read("tavordesk.ini"), settings);
    EXPECT_EQ(rig.dir.read("TavorEditTagList.txt"), tags);
    EXPECT_FALSE(std::filesystem::exists(rig.dir / "tavordesk.ini.new"));
    EXPECT_FALSE(std::filesystem::exists(rig.dir / "TavorEditTagList.txt.new"));
}

}  // namespace
}  // namespace tavor::test

#include <gtest/gtest.h>

#include "MainFormRig.h"
#include "shell/IniFile.h"

namespace tavor {
namespace {

using test::MainFormRig;

TEST(MainFormSettings, CloseWritesEveryKeyAndTheNextStartReadsThemBack) {
    {
        MainFormRig rig;
        TTavorMainForm& f = rig.form;
        f.Left = 12;
        f.Top = -3;
        f.CheckBox1.checked = false;
        f.CheckBox3.checked = true;
        f.CheckBox9.checked = true;
        f.ComboBox1.itemIndex = 2;
        f.ComboBox1.text = u"NAME:機器名[AB*]";
        f.ComboBox2.itemIndex = 4;
        f.FormCloseQuery();

        const IniFile ini(rig.iniPath());
        EXPECT_EQ(ini.readString(u"Target", u"ProgID", u""), u"nanoCAD.Application.5.0");
        EXPECT_EQ(ini.readString(u"TavorEdit", u"AttTag", u""), u"NAME:機器名[AB*]");
        EXPECT_EQ(ini.readString(u"TavorEdit", u"Sort", u""), u"0");
        EXPECT_EQ(ini.readString(u"TavorEdit", u"Sentou", u""), u"1");
        EXPECT_EQ(ini.readInteger(u"TavorEdit", u"AttTagIndex2", -9), 4);

        // A second start in the same folder.
        MainFormRig again(false);
        std::filesystem::copy_file(rig.iniPath(), again.iniPath());
        again.app.create();
        TTavorMainForm& g = again.form;
        EXPECT_EQ(g.Left.get(), 12);
        EXPECT_EQ(g.Top.get(), -3);
        EXPECT_FALSE(g.CheckBox1.checked.get());
        EXPECT_TRUE(g.CheckBox3.checked.get());
        EXPECT_TRUE(g.CheckBox9.checked.get());
        EXPECT_EQ(g.ComboBox1.itemIndex.get(), 2);
        EXPECT_EQ(g.ComboBox1.text.get(), u"NAME:機器名");  // "AttTag" is written, never applied
        EXPECT_EQ(g.ComboBox2.itemIndex.get(), 4);
    }
}

TEST(MainFormSettings, AnyNonZeroIntegerIsTrueAndGarbageGivesTheDefault) {
    MainFormRig rig(false);
    rig.dir.write(
        "tavordesk.ini",
        "[TavorEdit]\r\nSort=0\r\nSentou=-7\r\nCursor=yes\r\nZoomCenter=2\r\nLeft=abc\r\n");
    rig.app.create();
    EXPECT_FALSE(rig.form.CheckBox1.checked.get());
    EXPECT_TRUE(rig.form.CheckBox3.checked.get());
    EXPECT_TRUE(rig.form.CheckBox2.checked.get());  // not a number: the default
    EXPECT_TRUE(rig.form.CheckBox6.checked.get());
    EXPECT_EQ(rig.form.Left.get(), (1920 - 330) / 2);
}

TEST(MainFormSettings, SavedIndexesBeyondTheListSelectTheFirstItemAndNegativeOnesNothing) {
    MainFormRig rig(false);
    rig.dir.write("tavordesk.ini", "[TavorEdit]\r\nAttTagIndex1=5\r\nAttTagIndex2=-1\r\n");
    rig.app.create();
    EXPECT_EQ(rig.form.ComboBox1.itemIndex.get(), 0);
    EXPECT_EQ(rig.form.ComboBox1.text.get(), u"JCMNT1:コメント１");
    EXPECT_EQ(rig.form.ComboBox2.itemIndex.get(), -1);
    EXPECT_TRUE(rig.form.ComboBox2.text.get().empty());
}

TEST(MainFormSettings, AnEmptyOrBinarySettingsFileNeverStopsTheStart) {
    for (const std::string& content : {std::string(), std::string("\0\xFF\xFE\x01[TavorEdit", 14),
                                       std::string("[TavorEdit\r\nSort==\r\n=1\r\n[\r\n")}) {
        MainFormRig rig(false);
        rig.dir.write("tavordesk.ini", content);
        rig.app.create();
        EXPECT_TRUE(rig.form.CheckBox1.checked.get());
        rig.form.FormCloseQuery();
        EXPECT_TRUE(IniFile(rig.iniPath()).readBool(u"TavorEdit", u"Sort", false));
    }
}

TEST(MainFormSettings, AFailedWriteIsToldAndNeverTakenForSuccess) {
    MainFormRig rig;
    // A folder where the files should be: neither can be written.
    std::filesystem::create_directory(rig.iniPath());
    std::filesystem::create_directory(rig.dir / "TavorEditTagList.txt");
    rig.form.FormCloseQuery();
    ASSERT_EQ(rig.platform.messages.size(), 2u);
    EXPECT_EQ(rig.platform.messages[0].text, rig.iniPath().u16string() + u"\r\nを保存できません．");
    EXPECT_EQ(rig.platform.messages[1].text,
              (rig.dir / "TavorEditTagList.txt").u16string() + u"\r\nを保存できません．");
}

TEST(MainFormSettings, KeysAndSectionsThatTheUserAddedSurviveTheClose) {
    MainFormRig rig(false);
    rig.dir.write("tavordesk.ini",
                  "[TavorEdit]\r\nMyNote=keep me\r\nSort=0\r\n[Printer]\r\nName=A3\r\n");
    rig.app.create();
    rig.form.FormCloseQuery();
    const IniFile ini(rig.iniPath());
    EXPECT_EQ(ini.readString(u"TavorEdit", u"MyNote", u""), u"keep me");
    EXPECT_EQ(ini.readString(u"Printer", u"Name", u""), u"A3");
    EXPECT_FALSE(std::filesystem::exists(rig.dir / "tavordesk.ini.new"));
}

}  // namespace
}  // namespace tavor

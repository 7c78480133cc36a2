#include <gtest/gtest.h>

#include "MainFormRig.h"

namespace tavor {
namespace {

using Pos = MemoryLineEditor::Pos;

class MainFormTimer : public ::testing::Test {
protected:
    test::MainFormRig rig;
    TTavorMainForm& f = rig.form;
    MemoryLineEditor& ed = rig.editor;
};

TEST_F(MainFormTimer, CountsLinesWithoutBlankTrailingOnesAndShowsTheCaret) {
    ed.setLines({u"W-001", u"", u"W-003", u" ", u"\t"});
    ed.setCaretXY(3, 3);
    f.Timer1Timer();
    EXPECT_EQ(f.iLineLast, 3);
    EXPECT_EQ(f.Label1.caption.get(), u"取得データ数 = 3");
    EXPECT_EQ(f.StatusBar1.panels[0].get(), u"Row = 3 / 3 Col= 3");
    EXPECT_EQ(f.StatusBar1.panels[1].get(), u"selRows = 0");
    EXPECT_TRUE(f.Timer1.enabled.get());
}

TEST_F(MainFormTimer, InAttributeModeTheRecordsAreCounted) {
    ed.setLines({u"a", u"b", u"c"});
    f.ATTmode = true;
    f.textList.resize(2);
    f.Timer1Timer();
    EXPECT_EQ(f.Label1.caption.get(), u"取得データ数 = 2");
}

TEST_F(MainFormTimer, TheBackgroundTellsWhetherTheCaretLineHasAnEntity) {
    ed.setLines({u"a", u"b", u"c"});
    f.textList.resize(2);
    struct Case {
        int line;
        bool attMode;
        Color color;
    };
    for (const Case& c : {Case{2, false, clWindow}, Case{3, false, 0x00FDFFDD},
                          Case{3, true, clYellow}, Case{1, true, clWindow}}) {
        ed.setCaretXY(1, c.line);
        f.ATTmode = c.attMode;
        f.Timer1Timer();
        EXPECT_EQ(f.SynEdit1Color.get(), c.color) << "line " << c.line << " attMode " << c.attMode;
    }
}

TEST_F(MainFormTimer, UndoIsEnabledExactlyWhileEitherKindOfUndoIsPossible) {
    ed.setLines({u"a"});
    f.Timer1Timer();
    EXPECT_FALSE(f.SpeedButton4.enabled.get());
    ed.type(u"x");
    f.Timer1Timer();
    EXPECT_TRUE(f.SpeedButton4.enabled.get());
    ed.setLines({u"b"});  // a new text has no history
    f.undoFlag = true;
    f.Timer1Timer();
    EXPECT_TRUE(f.SpeedButton4.enabled.get());
    f.undoFlag = false;
    f.Timer1Timer();
    EXPECT_FALSE(f.SpeedButton4.enabled.get());
}

TEST_F(MainFormTimer, SelectedRowsCountLineFeedsPlusOneUnlessTheSelectionEndsAfterOne) {
    ed.setLines({u"one", u"two", u"three"});
    struct Case {
        Pos from, to;
        const char16_t* panel;
    };
    for (const Case& c :
         {Case{{0, 1}, {0, 2}, u"selRows = 1"}, Case{{0, 0}, {1, 0}, u"selRows = 1"},
          Case{{0, 0}, {1, 1}, u"selRows = 2"}, Case{{0, 2}, {2, 5}, u"selRows = 3"}}) {
        ed.setSelection(c.from, c.to);
        f.Timer1Timer();
        EXPECT_EQ(f.StatusBar1.panels[1].get(), c.panel);
    }
}

TEST_F(MainFormTimer, DoesNothingOnOtherTabs) {
    ed.setLines({u"a"});
    f.PageControl1.activePageIndex = 1;
    f.Timer1Timer();
    EXPECT_TRUE(f.Label1.caption.get().empty());
}

TEST(MainFormUndo, TheEditorsOwnHistoryComesBeforeTheSnapshot) {
    test::MainFormRig rig;
    TTavorMainForm& f = rig.form;
    rig.editor.setLines({u"before"});
    f.UndoMark(true);
    EXPECT_TRUE(f.undoFlag);
    EXPECT_TRUE(f.SpeedButton4.enabled.get());
    rig.editor.setLines({u"converted"});
    rig.editor.setCaretXY(10, 1);
    rig.editor.type(u"!");

    f.SpeedButton4Click();  // the typing first
    EXPECT_EQ(rig.editor.lines(), std::vector<std::u16string>{u"converted"});
    EXPECT_TRUE(f.undoFlag);
    f.SpeedButton4Click();  // then the snapshot, in one step
    EXPECT_EQ(rig.editor.lines(), std::vector<std::u16string>{u"before"});
    EXPECT_FALSE(f.undoFlag);
    EXPECT_FALSE(f.SpeedButton4.enabled.get());
}

TEST(MainFormStop, TheStopButtonClearsTheRunFlagAndDisarms) {
    test::MainFormRig rig;
    rig.form.armStop();
    EXPECT_TRUE(rig.form.runFlag());
    EXPECT_TRUE(rig.form.SpeedButton5.enabled.get());
    rig.form.SpeedButton5Click();
    EXPECT_FALSE(rig.form.runFlag());
    EXPECT_FALSE(rig.form.SpeedButton5.enabled.get());
    EXPECT_GE(rig.platform.processMessagesCalls, 1);
}

}  // namespace
}  // namespace tavor

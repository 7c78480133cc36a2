#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "attrgrid/GridTabRig.h"
#include "base/TextUtil.h"

namespace tavor {
namespace {

using test::GridTabRig;
using Rows = std::vector<std::u16string>;

TEST(GridAcquisitionTest, EachBuiltInGroupFindsItsBlocksOnTheSampleDrawing) {
    struct Case {
        const char* name;
        int group;
        Rows rows;
        std::u16string label5;
    };
    const std::vector<Case> cases = {
        {"I/O comments top to bottom, the later of two JCMNT2 owning its cell",
         0,
         {u"|ピン番号|I/Oアドレス|コメント１|コメント２", u"1|1|X000|非常停止|押釦",
          u"2|2|X001|運転|押釦", u"3|3|X002|停止|押釦", u"4|4|X003|過負荷|ＴＨＲ",
          u"5|5|X004|予備|下段"},
         u"ATTR = 5 / 16"},
        {"devices left to right, a column caption from the first block with a prompt",
         1,
         {u"|機器名|機器名１|仕様|型式", u"1|MC1|主電磁接触器|AC200V|SC-05",
          u"2|MC2|補助接触器|AC200V|SC-03", u"3|THR1|熱動継電器|2.5A|TH-N12",
          u"4|M1||0.4kW|三相誘導電動機"},
         u"ATTR = 4 / 16"},
        {"wire numbers",
         4,
         {u"|線番", u"1|201", u"2|202", u"3|203", u"4|204", u"5|205"},
         u"ATTR = 5 / 16"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GridTabRig rig;
        rig.acquireAll(c.group);
        EXPECT_EQ(rig.rows(), c.rows);
        EXPECT_EQ(rig.controls.Label5.caption.get(), c.label5);
        EXPECT_TRUE(rig.linkFaults(c.group).empty());
        EXPECT_TRUE(rig.controls.SpeedButton11.enabled);
        EXPECT_FALSE(rig.controls.SpeedButton12.enabled);
        EXPECT_FALSE(rig.stop.runFlag());
        EXPECT_EQ(rig.attributeModeCalls, 1);
        EXPECT_TRUE(rig.drawing().selectionSets().empty());
    }
}

TEST(GridAcquisitionTest, TitleBlocksFillOneRowWithEveryFieldTheyCarry) {
    for (const int group : {2, 3}) {
        GridTabRig rig;
        rig.acquireAll(group);
        ASSERT_EQ(rig.grid().rowCount(), 2);
        EXPECT_EQ(rig.grid().colCount(), group == 2 ? 15 : 19);
        EXPECT_EQ(rig.grid().cell(1, 0), group == 2 ? u"CST 欄" : u"BITEM7 欄");
        int linked = 0;
        for (int c = 1; c < rig.grid().colCount(); ++c)
            linked += rig.grid().link(c, 1) > 0;
        EXPECT_EQ(linked, group == 2 ? 14 : 18);
        EXPECT_TRUE(rig.linkFaults(group).empty());
    }
}

TEST(GridAcquisitionTest, ATwiceCarriedTagListsBothAttributesAndLinksTheLater) {
    GridTabRig rig;
    rig.acquire(0, rig.insertsOf(u"IO_COMMENT2"));
    ASSERT_EQ(rig.controls.attList.size(), 5u);
    EXPECT_EQ(rig.controls.attList[3].text, u"上段");
    EXPECT_EQ(rig.grid().link(4, 1), 5);
    EXPECT_EQ(rig.grid().cell(4, 1), u"下段");
}

TEST(GridAcquisitionTest, ColumnsFitTheirWidestTextPlusTheMargin) {
    GridTabRig rig;
    rig.acquireAll(4);
    // The fake measures 7 px per ASCII character and 13 per other one at 13 px.
    EXPECT_EQ(rig.grid().colWidth(0), 7 + 10);
    EXPECT_EQ(rig.grid().colWidth(1), 2 * 13 + 10);  // the caption "線番"
}

TEST(GridAcquisitionTest, PickingNothingLeavesGridLinksAndJournalAlone) {
    GridTabRig rig;
    rig.acquireAll(1);
    rig.tab.editorOpening(1, 1);
    const Rows before = rig.rows();
    for (const std::function<void(GridTabRig&)>& noPick :
         std::vector<std::function<void(GridTabRig&)>>{
             [](GridTabRig& r) { r.acquire(0, {}); },
             [](GridTabRig& r) {
                 r.cad.picker.cancelNext();
                 r.tab.acquire();
             },
             [](GridTabRig& r) {
                 r.refusals().refuseNext(u"SelectOnScreen");
                 r.tab.acquire();
             },
             [](GridTabRig& r) {
                 r.controls.ComboBox2.itemIndex = -1;
                 r.cad.picker.pickAllNext();
                 r.tab.acquire();
             },
             [](GridTabRig& r) {
                 r.cad.closeCadWindow();
                 r.tab.acquire();
             },
         }) {
        noPick(rig);
        EXPECT_EQ(rig.rows(), before);
        EXPECT_EQ(rig.controls.FUndoCells.Count(), 1);
        EXPECT_TRUE(rig.linkFaults(1).empty());
        EXPECT_TRUE(rig.drawing().selectionSets().empty());
        EXPECT_FALSE(rig.cad.desktop.window(test::FakeDesktop::kProgram).minimised);
    }
}

TEST(GridAcquisitionTest, AGroupLineWithoutTagsOrWithoutAnythingGivesOneEmptyRow) {
    for (const std::u16string line : {u"ラベルだけ", u""}) {
        GridTabRig rig;
        rig.controls.ComboBox2.items = {line};
        rig.acquireAll(0);
        EXPECT_EQ(rig.grid().rowCount(), 2);
        EXPECT_EQ(rig.grid().colCount(), 1);
        EXPECT_TRUE(rig.controls.blkList.empty());
        EXPECT_EQ(rig.controls.Label5.caption.get(), u"INSERT = 16 / 16");
    }
}

TEST(GridAcquisitionTest, ABracketedPatternPicksOnlyThoseBlocks) {
    GridTabRig rig;
    rig.controls.ComboBox2.items = {u"機器[MOT*],NAME,SPEC"};
    rig.acquireAll(0);
    EXPECT_EQ(rig.rows(), (Rows{u"||出力", u"1|M1|0.4kW"}));
    EXPECT_EQ(rig.controls.Label5.caption.get(), u"ATTR = 1 / 1");
}

TEST(GridAcquisitionTest, TheGridIsNotPaintedWhileItIsFilledHoweverTheFillingEnds) {
    for (const bool fails : {false, true}) {
        GridTabRig rig;
        std::vector<bool> seen;
        for (const int call : {1, 16 + 2})  // filtering, then the second row
            rig.platform.atProcessMessages(
                call, [&rig, &seen] { seen.push_back(rig.controls.StringGrid1Redraw); });
        if (fails)
            rig.refusals().refuseAfter(u"GetObjectByHandle", 2);
        rig.acquireAll(4);
        EXPECT_EQ(seen, (std::vector<bool>{true, false}));
        EXPECT_TRUE(rig.controls.StringGrid1Redraw);
    }
}

TEST(GridAcquisitionTest, TheProgramsWindowIsHandedToTheCadAndTakenBack) {
    GridTabRig rig;
    bool minimisedWhilePicking = false;
    rig.cad.picker.pickNextAfter(
        [&] {
            minimisedWhilePicking = rig.cad.desktop.window(test::FakeDesktop::kProgram).minimised;
        },
        rig.insertsOf(u"SENBAN"));
    rig.controls.ComboBox2.itemIndex = 4;
    rig.tab.acquire();
    EXPECT_TRUE(minimisedWhilePicking);
    EXPECT_FALSE(rig.cad.desktop.window(test::FakeDesktop::kProgram).minimised);
    EXPECT_EQ(rig.cad.desktop.foreground, test::FakeDesktop::kProgram);
    EXPECT_EQ(rig.controls.ProgressBar1.position.get(), 0);
}

// Every way an acquisition can end early, then the bulk update: nothing lands in an attribute
// other than the one its cell shows, and no attribute without a cell changes.
TEST(GridAcquisitionTest, StopsAndErrorsInEveryPhaseLeaveEveryLinkRight) {
    struct Case {
        const char* name;
        std::function<void(GridTabRig&)> arrange;
        int rowsFilled;  // rows with a number in column 0
    };
    // 16 block references are picked: the filtering pass lets messages run 16 times.
    const std::vector<Case> cases = {
        {"stop while filtering",
         [](GridTabRig& r) { r.platform.atProcessMessages(3, [&r] { r.tab.stop(); }); }, 0},
        {"stop while filling",
         [](GridTabRig& r) { r.platform.atProcessMessages(16 + 3, [&r] { r.tab.stop(); }); }, 2},
        {"an unreadable picked entity",
         [](GridTabRig& r) { r.refusals().refuseAfter(u"GetBlockName", 1); }, 4},
        {"a listed block reference gone before its row",
         [](GridTabRig& r) { r.refusals().refuseAfter(u"GetObjectByHandle", 2); }, 3},
        {"attributes that cannot be had",
         [](GridTabRig& r) { r.refusals().refuseAfter(u"GetAttributes", 16 + 1); }, 2},
        {"an attribute value unreadable mid-row",
         [](GridTabRig& r) { r.refusals().refuseAfter(u"GetAttributeText", 5); }, 5},
        {"a prompt lookup failing",
         [](GridTabRig& r) { r.refusals().refuseAfter(u"PromptString", 2); }, 5},
        {"an attribute's handle unreadable",
         [](GridTabRig& r) { r.refusals().refuseAfter(u"GetHandle", 5 + 3); }, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GridTabRig rig;
        rig.acquireAll(1);  // an earlier grid with links of its own
        rig.tab.editorOpening(1, 1);
        c.arrange(rig);
        rig.acquireAll(0);
        rig.refusals().clear();
        int numbered = 0;
        for (int r = 1; r < rig.grid().rowCount(); ++r)
            numbered += !rig.grid().cell(0, r).empty();
        EXPECT_EQ(numbered, c.rowsFilled);
        EXPECT_EQ(rig.controls.FUndoCells.Count(), 0);
        EXPECT_TRUE(rig.drawing().selectionSets().empty());
        EXPECT_FALSE(rig.controls.SpeedButton12.enabled);
        EXPECT_EQ(rig.linkFaults(0), std::vector<std::string>{});

        // Every linked cell edited, then written back.
        auto expected = rig.attributeValues();
        for (int r = 1; r < rig.grid().rowCount(); ++r)
            for (int col = 1; col < rig.grid().colCount(); ++col)
                if (const nAtt* a = rig.tab.attributeOf(rig.grid().link(col, r))) {
                    const std::u16string edited = u"新" + rig.grid().cell(col, r);
                    rig.grid().setCell(col, r, edited);
                    expected[a->sHnd] = edited;
                }
        rig.tab.update();
        EXPECT_EQ(rig.attributeValues(), expected);
        EXPECT_EQ(rig.linkFaults(0), std::vector<std::string>{});
    }
}

}  // namespace
}  // namespace tavor

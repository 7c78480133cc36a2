#include <gtest/gtest.h>

#include "texttab/TextTabRig.h"

namespace tavor::test {
namespace {

using S = std::vector<std::string>;

// The worked example: records at (10, 50), (12, 47), (30, 44) in pick order.
class TextAlignmentTest : public testing::Test {
protected:
    void SetUp() override {
        form.CheckBox1.checked = false;
        rig.acquire({a, b, c});
        form.Edit1.text = u"0";
        form.Edit2.text = u"-5";
    }
    void align(std::vector<std::u16string> lines) {
        rig.editor.setLines(std::move(lines));
        form.SpeedButton6Click();
    }

    TextTabRig rig;
    TTavorMainForm& form = rig.form;
    cad::Handle a = rig.addText(u"a", {10, 50, 1});
    cad::Handle b = rig.addText(u"b", {12, 47, 2});
    cad::Handle c = rig.addText(u"c", {30, 44, 3});
};

TEST_F(TextAlignmentTest, TheWorkedExamplePlacesWritesAndAddsALine) {
    align({u"A", u"B", u"C"});
    EXPECT_EQ(rig.textsInDrawing(), (S{"A@10,50", "B@10,45", "C@10,40"}));
    EXPECT_EQ(rig.entity(b)->text.insertion.z, 2);  // existing texts keep their Z
    EXPECT_EQ(rig.cad.cad->regenerations(), 0);
    EXPECT_FALSE(form.Label2.visible);
    EXPECT_FALSE(form.SpeedButton5.enabled);

    align({u"A", u"B", u"C", u"D"});
    EXPECT_EQ(rig.textsInDrawing(), (S{"A@10,50", "B@10,45", "C@10,40", "D@10,35"}));
    ASSERT_EQ(form.textList.size(), 4u);
    EXPECT_EQ(form.textList[3].insPt, (cad::Point{10, 35, 0}));
    EXPECT_EQ(rig.entity(form.textList[3].sHnd)->text.insertion.z, 0);
}

TEST_F(TextAlignmentTest, StepsUpToTheThresholdSkipPlacementButStillRemoveLines) {
    form.Edit1.text = u"0.01";
    form.Edit2.text = u"-0.01";
    align({u"A", u"B"});
    EXPECT_EQ(rig.textsInDrawing(), (S{"a@10,50", "b@12,47"}));
    EXPECT_EQ(form.textList[2].sHnd, u"");
    EXPECT_EQ(rig.cad.cad->regenerations(), 1);

    form.Edit1.text = u"0.011";
    form.Edit2.text = u"0";
    align({u"A", u"B"});
    EXPECT_EQ(rig.textsInDrawing(), (S{"A@10,50", "B@10.011,50"}));
}

TEST_F(TextAlignmentTest, ABlankLineDeletesAndALaterRunRecreatesWithTheTemplatesZ) {
    align({u"A", u"", u"C"});
    EXPECT_EQ(rig.textsInDrawing(), (S{"A@10,50", "C@10,40"}));
    EXPECT_EQ(form.textList.size(), 3u);

    align({u"A", u"B", u"C"});
    EXPECT_EQ(rig.textsInDrawing(), (S{"A@10,50", "C@10,40", "B@10,45"}));
    const auto& back = *rig.entity(form.textList[1].sHnd);
    EXPECT_EQ(back.layer, u"TEXT");
    EXPECT_EQ(back.text.insertion.z, 1);  // copied from A, the text this run placed last
}

TEST_F(TextAlignmentTest, ATextErasedInTheCadIsSkippedAndNothingOfItLandsElsewhere) {
    rig.drawing().erase(*cad::sim::parseHandle(b));
    align({u"A", u"B", u"C"});
    EXPECT_EQ(rig.textsInDrawing(), (S{"A@10,50", "C@10,40"}));
    EXPECT_TRUE(rig.platform.messages.empty());
}

TEST_F(TextAlignmentTest, AFailingCallEndsTheRunWithTheMessage) {
    rig.refusals().refuseNext(u"SetInsertionPoint");
    align({u"A", u"B", u"C"});
    EXPECT_EQ(rig.platform.lastMessageText(), u"エラーのため、更新処理を中止しました．");
    EXPECT_EQ(rig.textsInDrawing(), (S{"a@10,50", "b@12,47", "c@30,44"}));
    EXPECT_FALSE(form.runFlag());
    EXPECT_TRUE(form.SpeedButton3.visible);
}

TEST_F(TextAlignmentTest, AnErasedTemplateEndsTheRunWithTheMessageAsTheUpdateDoes) {
    align({u"", u"B", u"C"});  // the first text goes; its line now needs a copy of the template
    rig.drawing().erase(*cad::sim::parseHandle(c));  // the template: the last entry's text
    align({u"A", u"B", u"C"});
    EXPECT_EQ(rig.platform.lastMessageText(), u"エラーのため、更新処理を中止しました．");
    EXPECT_EQ(rig.textsInDrawing(), (S{"B@10,45"}));
}

TEST_F(TextAlignmentTest, OneCadUndoTakesBackTheWholeAlignment) {
    align({u"A", u"B", u"C", u"D"});
    ASSERT_TRUE(rig.drawing().undo());
    EXPECT_EQ(rig.textsInDrawing(), (S{"a@10,50", "b@12,47", "c@30,44"}));
}

TEST(TextAlignmentAttrTest, FewerThanTwoRecordsDoNothing) {
    TextTabRig rig;
    rig.acquire({rig.addText(u"a", {0, 0})});
    rig.form.Edit2.text = u"-5";
    rig.editor.setLines({u"A", u"B"});
    rig.form.SpeedButton6Click();
    EXPECT_EQ(rig.textsInDrawing(), (S{"a@0,0"}));
}

}  // namespace
}  // namespace tavor::test

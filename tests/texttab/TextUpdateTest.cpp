#include <gtest/gtest.h>

#include <stdexcept>

#include "texttab/TextTabRig.h"

namespace tavor::test {
namespace {

using V = std::vector<std::u16string>;
using S = std::vector<std::string>;

// Three texts in a column at y = 50, 45, 40, acquired; dY is -5.
class TextUpdateTest : public testing::Test {
protected:
    TextTabRig rig;
    TTavorMainForm& form = rig.form;
    cad::Handle a = rig.addText(u"A", {10, 50});
    cad::Handle b = rig.addText(u"B", {10, 45});
    cad::Handle c = rig.addText(u"C", {10, 40});

    void SetUp() override { rig.acquire({a, b, c}); }
    void update(V lines) {
        rig.editor.setLines(std::move(lines));
        form.SpeedButton2Click();
    }
};

TEST_F(TextUpdateTest, ChangedLinesAreWrittenAndUnchangedOnesLeftAlone) {
    rig.refusals().refuseAlways(u"SetTextString");  // a write to an unchanged text would fail
    update({u"A", u"B", u"C"});
    EXPECT_TRUE(rig.platform.messages.empty());
    rig.refusals().clear();

    update({u"A", u"  b2 ", u"C"});
    EXPECT_EQ(rig.textsInDrawing(), (S{"A@10,50", "  b2 @10,45", "C@10,40"}));
    EXPECT_EQ(rig.cad.cad->regenerations(), 2);
    EXPECT_FALSE(form.Label2.visible);
    EXPECT_TRUE(form.SpeedButton3.visible);
    EXPECT_FALSE(form.SpeedButton5.enabled);
    EXPECT_FALSE(form.runFlag());
}

TEST_F(TextUpdateTest, ABlankLineErasesAndRetypingBringsTheTextBackInPlace) {
    update({u"A", u" \t", u"C"});
    EXPECT_EQ(rig.textsInDrawing(), (S{"A@10,50", "C@10,40"}));
    EXPECT_EQ(form.textList[1].sHnd, u"");
    EXPECT_EQ(form.textList.size(), 3u);

    update({u"A", u"B again", u"C"});
    EXPECT_EQ(rig.textsInDrawing(), (S{"A@10,50", "C@10,40", "B again@10,45"}));
    EXPECT_EQ(form.textList[1].lay, u"TEXT");
    EXPECT_NE(form.textList[1].sHnd, u"");
    EXPECT_NE(form.textList[1].sHnd, b);
}

TEST_F(TextUpdateTest, AFullWidthSpaceIsContent) {
    update({u"A", u"\u3000", u"C"});
    EXPECT_EQ(rig.entity(b)->text.string, u"\u3000");
}

TEST_F(TextUpdateTest, ExtraLinesBecomeTextsAtTheStepWithABlankAmongThem) {
    update({u"A", u"B", u"C", u"D", u"", u"F", u"", u""});
    EXPECT_EQ(rig.textsInDrawing(), (S{"A@10,50", "B@10,45", "C@10,40", "D@10,35", "F@10,25"}));
    ASSERT_EQ(form.textList.size(), 6u);
    EXPECT_EQ(form.textList[4].sHnd, u"");
    EXPECT_EQ(form.textList[4].insPt, (cad::Point{10, 30, 0}));
    EXPECT_EQ(form.textList[5].text, u"F");
    EXPECT_EQ(form.textList[5].insPt, (cad::Point{10, 25, 0}));
}

TEST_F(TextUpdateTest, DeletingAMiddleLineShiftsTheRestAndErasesTheLast) {
    update({u"A", u"C"});
    EXPECT_EQ(rig.textsInDrawing(), (S{"A@10,50", "C@10,45"}));
    EXPECT_EQ(form.textList.size(), 2u);
}

TEST_F(TextUpdateTest, ZeroStepsRefuseExtraLinesButTheListGrowsToTheLines) {
    form.Edit1.text = u"0";
    form.Edit2.text = u"abc";
    update({u"A", u"B", u"C", u"D", u"E"});
    EXPECT_EQ(rig.platform.lastMessageText(), u"dX, dY が 0 のため、追加を中止しました．");
    EXPECT_EQ(rig.textsInDrawing().size(), 3u);
    ASSERT_EQ(form.textList.size(), 5u);
    // The entries get the point of their line, so that text typed there lands where shown.
    EXPECT_EQ(form.textList[4].insPt, (cad::Point{10, 40, 0}));

    form.Edit2.text = u"-5";
    update({u"A", u"B", u"C", u"D", u"E"});
    EXPECT_EQ(rig.textsInDrawing(), (S{"A@10,50", "B@10,45", "C@10,40", "D@10,40", "E@10,40"}));
}

TEST_F(TextUpdateTest, AnEntityErasedOrRefusedFailsAloneAndItsLineStaysUsed) {
    rig.drawing().erase(*cad::sim::parseHandle(a));
    rig.refusals().refuseNext(u"SetTextString");
    update({u"A2", u"B2", u"C2"});
    EXPECT_EQ(rig.textsInDrawing(), (S{"B@10,45", "C2@10,40"}));
    EXPECT_TRUE(rig.platform.messages.empty());
}

TEST_F(TextUpdateTest, ALockedLayerRefusesTheWriteOfItsTextOnly) {
    rig.drawing().setLayerLocked(u"TEXT", true);
    update({u"A2", u"B2", u"C2"});
    EXPECT_EQ(rig.textsInDrawing(), (S{"A@10,50", "B@10,45", "C@10,40"}));
    EXPECT_TRUE(rig.platform.messages.empty());
}

TEST_F(TextUpdateTest, AFailingCopyEndsTheRunWithTheMessage) {
    update({u"A", u"", u"C"});
    rig.refusals().refuseNext(u"CopyEntity");
    update({u"A", u"B", u"C", u"D"});
    EXPECT_EQ(rig.platform.lastMessageText(), u"エラーのため、更新を中止しました．");
    EXPECT_EQ(rig.textsInDrawing(), (S{"A@10,50", "C@10,40"}));
    EXPECT_FALSE(form.runFlag());
    EXPECT_EQ(form.textList.size(), 4u);
}

TEST_F(TextUpdateTest, AnyErrorInsideTheWalkEndsItWithTheMessageAndTheTabAtRest) {
    rig.platform.atProcessMessages(2, [] { throw std::logic_error("not the CAD's"); });
    update({u"A2", u"B2", u"C2"});
    EXPECT_EQ(rig.platform.lastMessageText(), u"エラーのため、更新を中止しました．");
    EXPECT_EQ(rig.textsInDrawing(), (S{"A2@10,50", "B2@10,45", "C@10,40"}));
    EXPECT_FALSE(form.runFlag());
    EXPECT_FALSE(form.SpeedButton5.enabled);
    EXPECT_TRUE(form.SpeedButton3.visible);
    EXPECT_FALSE(form.gate.busy());
    update({u"A3", u"B2", u"C3"});  // the next command is not refused
    EXPECT_EQ(rig.textsInDrawing(), (S{"A3@10,50", "B2@10,45", "C3@10,40"}));
}

TEST_F(TextUpdateTest, OneCadUndoTakesBackTheWholeUpdateEvenOneEndedByAnError) {
    update({u"A2", u"B2", u"C2", u"D2"});
    rig.refusals().refuseNext(u"CopyEntity");
    update({u"A3", u"B3", u"C3", u"D3", u"E3"});  // ends with its message at the copy
    ASSERT_EQ(rig.platform.lastMessageText(), u"エラーのため、更新を中止しました．");
    rig.addText(u"after", {0, 0});  // outside every mark: a step of its own
    ASSERT_TRUE(rig.drawing().undo());
    EXPECT_EQ(rig.textsInDrawing(), (S{"A3@10,50", "B3@10,45", "C3@10,40", "D3@10,35"}));
    ASSERT_TRUE(rig.drawing().undo());
    EXPECT_EQ(rig.textsInDrawing(), (S{"A2@10,50", "B2@10,45", "C2@10,40", "D2@10,35"}));
    ASSERT_TRUE(rig.drawing().undo());
    EXPECT_EQ(rig.textsInDrawing(), (S{"A@10,50", "B@10,45", "C@10,40"}));
}

TEST_F(TextUpdateTest, TheStopButtonEndsTheWalkAtItsNextCheck) {
    rig.platform.atProcessMessages(1, [this] { form.SpeedButton5Click(); });
    update({u"A2", u"B2", u"C2", u"D2"});
    EXPECT_EQ(rig.textsInDrawing(), (S{"A2@10,50", "B@10,45", "C@10,40"}));
    EXPECT_EQ(form.textList.size(), 4u);
    EXPECT_FALSE(form.SpeedButton5.enabled);
}

TEST_F(TextUpdateTest, OtherCommandsAreRefusedWhileTheRunLetsMessagesRun) {
    const auto other = rig.addText(u"other", {0, 0});
    rig.platform.atProcessMessages(1, [&] {
        EXPECT_TRUE(form.gate.busy());
        rig.cad.picker.pickNext({other});
        form.SpeedButton1Click();
        form.SpeedButton6Click();
        form.SpeedButton8Click();
        form.SpeedButton4Click();
        EXPECT_TRUE(form.SynEdit1KeyPress(u'\n', true));
    });
    update({u"A2", u"B2", u"C2"});
    EXPECT_EQ(rig.cad.picker.picks, 1);  // only the first acquisition picked
    EXPECT_EQ(rig.listTexts(), (V{u"A", u"B", u"C"}));
    EXPECT_EQ(rig.textsInDrawing(), (S{"A2@10,50", "B2@10,45", "C2@10,40", "other@0,0"}));
    EXPECT_FALSE(form.gate.busy());
}

TEST_F(TextUpdateTest, CtrlEnterUpdatesEvenWithTheButtonDisabled) {
    form.SpeedButton2.enabled = false;
    rig.editor.setLines({u"x", u"B", u"C"});
    EXPECT_TRUE(form.SynEdit1KeyPress(u'\n', true));
    EXPECT_EQ(rig.entity(a)->text.string, u"x");
    EXPECT_EQ(rig.cad.desktop.foreground, FakeDesktop::kProgram);
    EXPECT_FALSE(form.SynEdit1KeyPress(u'\n', false));
    EXPECT_FALSE(form.SynEdit1KeyPress(u'a', true));
}

TEST_F(TextUpdateTest, AnEmptyEditorOrNoCadDoesNothing) {
    rig.editor.setLines({});
    form.SpeedButton2Click();
    EXPECT_EQ(rig.cad.cad->regenerations(), 0);
    rig.cad.closeCadWindow();
    update({u"x"});
    EXPECT_EQ(rig.entity(a)->text.string, u"A");
    EXPECT_EQ(form.textList.size(), 3u);
}

TEST(TextUpdateAlignmentTest, ARecreatedTextTakesTheLastEntrysCodeAndItsAlignmentPoint) {
    TextTabRig rig;
    const auto left = rig.addText(u"L", {0, 10});
    const auto right = rig.addText(u"R", {0, 0}, u"TEXT", 2);
    rig.acquire({left, right});
    rig.editor.setLines({u"", u"R"});
    rig.form.SpeedButton2Click();
    rig.editor.setLines({u"L2", u"R"});
    rig.form.SpeedButton2Click();

    const auto& back = *rig.entity(rig.form.textList[0].sHnd);
    EXPECT_EQ(back.text.string, u"L2");
    EXPECT_EQ(back.text.alignment, 2);
    EXPECT_EQ(back.text.alignmentPoint, (cad::Point{0, 10, 0}));
}

}  // namespace
}  // namespace tavor::test

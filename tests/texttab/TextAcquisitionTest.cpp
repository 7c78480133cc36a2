#include <gtest/gtest.h>

#include "cadlink/PositionOrder.h"
#include "texttab/TextTabRig.h"

namespace tavor::test {
namespace {

using V = std::vector<std::u16string>;

class TextAcquisitionTest : public testing::Test {
protected:
    TextTabRig rig;
    TTavorMainForm& form = rig.form;
};

TEST_F(TextAcquisitionTest, AColumnComesTopToBottomWithItsStep) {
    const auto low = rig.addText(u"C", {10, 20});
    const auto top = rig.addText(u"A", {10, 60});
    const auto mid = rig.addText(u"B", {11, 40}, u"TEXT", 1);
    rig.acquire({low, top, mid});

    EXPECT_EQ(rig.editor.lines(), (V{u"A", u"B", u"C"}));
    ASSERT_EQ(form.textList.size(), 3u);
    EXPECT_EQ(form.textList[0].sHnd, top);
    EXPECT_EQ(form.textList[0].index, 1);  // the index keeps the pick order
    EXPECT_EQ(form.textList[1].txtAli, 1);
    EXPECT_EQ(form.textList[1].insPt, (cad::Point{11, 40, 0}));
    EXPECT_EQ(form.textList[1].lay, u"TEXT");
    EXPECT_EQ(form.Edit1.text.get(), u"-1.00");
    EXPECT_EQ(form.Edit2.text.get(), u"-20.00");
    EXPECT_EQ(form.Edit1.textColor.get(), clBlack);
    EXPECT_TRUE(form.SpeedButton2.enabled);
    EXPECT_TRUE(form.SpeedButton6.enabled);
    EXPECT_FALSE(form.ATTmode);
    EXPECT_EQ(rig.editor.caretY(), 1);
    EXPECT_TRUE(rig.platform.messages.empty());
    // The screen went to the CAD and came back, and the working set is gone.
    EXPECT_EQ(rig.cad.desktop.foreground, FakeDesktop::kProgram);
    EXPECT_TRUE(rig.drawing().selectionSets().empty());
}

TEST_F(TextAcquisitionTest, ARowComesLeftToRightAndTheUncheckedBoxKeepsPickOrder) {
    const auto b = rig.addText(u"B", {50, 0});
    const auto a = rig.addText(u"A", {10, 1});
    const auto c = rig.addText(u"C", {90, 0});
    rig.acquire({b, a, c});
    EXPECT_EQ(rig.editor.lines(), (V{u"A", u"B", u"C"}));
    EXPECT_EQ(form.Edit1.text.get(), u"40.00");

    form.CheckBox1.checked = false;
    rig.acquire({b, a, c});
    EXPECT_EQ(rig.editor.lines(), (V{u"B", u"A", u"C"}));
}

TEST_F(TextAcquisitionTest, LockedLayersAreSkippedByWholeName) {
    rig.drawing().addLayer(u"LOCK", true);
    rig.drawing().addLayer(u"LOCKED_NOT", false);
    const auto kept = rig.addText(u"kept", {0, 10}, u"LOCKED_NOT");
    const auto skipped = rig.addText(u"skipped", {0, 5}, u"LOCK");
    const auto other = rig.addText(u"other", {0, 0});
    rig.acquire({kept, skipped, other});

    EXPECT_EQ(rig.editor.lines(), (V{u"kept", u"other"}));
    EXPECT_EQ(rig.platform.lastMessageText(), u"ロック画層のTEXT 1 個を除外しました.");
}

TEST_F(TextAcquisitionTest, OneTextWarnsOfZeroStepsAndOffersNoAlignment) {
    rig.acquire({rig.addText(u"only", {5, 5})});
    EXPECT_EQ(form.Edit1.text.get(), u"0.00");
    EXPECT_EQ(form.Edit2.textColor.get(), clRed);
    EXPECT_EQ(
        rig.platform.lastMessageText(),
        u"dX, dY が 0 です．\rdX, dY の値を設定するか、[取得]で複数の TEXT を選択してください．");
    EXPECT_TRUE(form.SpeedButton2.enabled);
    EXPECT_FALSE(form.SpeedButton6.enabled);
}

TEST_F(TextAcquisitionTest, AStepTooSmallToShowCountsAsZero) {
    rig.acquire({rig.addText(u"a", {0, 0}), rig.addText(u"b", {0.004, 0})});
    EXPECT_EQ(form.Edit1.text.get(), u"0.00");
    EXPECT_EQ(form.Edit1.textColor.get(), clRed);
    EXPECT_EQ(rig.platform.messages.size(), 1u);
}

TEST_F(TextAcquisitionTest, NothingPickedChangesNothing) {
    rig.acquire({rig.addText(u"a", {0, 0}), rig.addText(u"b", {0, -5})});
    form.ATTmode = true;
    rig.acquire({});
    EXPECT_EQ(rig.editor.lines(), (V{u"a", u"b"}));
    EXPECT_EQ(form.textList.size(), 2u);
    EXPECT_FALSE(form.ATTmode);
    EXPECT_EQ(form.Edit2.text.get(), u"-5.00");
}

TEST_F(TextAcquisitionTest, EveryTextLockedEmptiesListAndEditorButKeepsButtons) {
    rig.acquire({rig.addText(u"a", {0, 0}), rig.addText(u"b", {0, -5})});
    rig.drawing().addLayer(u"LOCK", true);
    rig.acquire({rig.addText(u"x", {0, 0}, u"LOCK")});
    EXPECT_TRUE(form.textList.empty());
    EXPECT_EQ(rig.editor.lineCount(), 0);
    EXPECT_EQ(form.Edit2.text.get(), u"-5.00");
    EXPECT_TRUE(form.SpeedButton6.enabled);
}

TEST_F(TextAcquisitionTest, NoCadOnlyClearsTheLabels) {
    form.Label1.caption = u"old";
    rig.cad.closeCadWindow();
    form.SpeedButton1Click();
    EXPECT_EQ(form.Label1.caption.get(), u"");
    EXPECT_EQ(rig.cad.picker.picks, 0);
    EXPECT_TRUE(rig.platform.messages.empty());
}

TEST_F(TextAcquisitionTest, AReadErrorKeepsListAndEditorInStepAndRestoresTheWindow) {
    rig.acquire({rig.addText(u"a", {0, 0}), rig.addText(u"b", {0, -5})});
    const auto x = rig.addText(u"x", {0, 0});
    const auto y = rig.addText(u"y", {0, 0});
    rig.refusals().refuseNext(u"GetTextString", 2);
    rig.acquire({x, y});
    EXPECT_EQ(rig.platform.messages.size(), 1u);
    EXPECT_EQ(rig.platform.messages.back().kind, MessageKind::Error);
    EXPECT_EQ(rig.listTexts(), (V{u"a", u"b"}));
    EXPECT_EQ(rig.editor.lines(), (V{u"a", u"b"}));
    EXPECT_TRUE(rig.drawing().selectionSets().empty());
    EXPECT_EQ(rig.cad.desktop.foreground, FakeDesktop::kProgram);
}

// The automatic axis: equal spreads (and one point) sort by Y, a wider row by X.
TEST(SortByCoordinatesTest, ChoosesTheAxisOfTheLargerSpread) {
    const auto order = [](std::vector<cad::Point> points, int mode) {
        TextList list;
        for (std::size_t i = 0; i < points.size(); ++i) {
            Tavor& t = list.emplace_back();
            t.insPt = points[i];
            t.index = static_cast<std::int32_t>(i);
        }
        cad::SortByPosition(list, mode, referencePoint);
        std::vector<int> out;
        for (const auto& t : list)
            out.push_back(t.index);
        return out;
    };
    EXPECT_EQ(order({{0, 0}, {5, 5}}, 3), (std::vector<int>{1, 0}));
    EXPECT_EQ(order({{6, 0}, {0, 5}}, 3), (std::vector<int>{1, 0}));
    EXPECT_EQ(order({{0, 0}, {0, 0}, {0, 0}}, 3), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(order({{6, 0}, {0, 5}}, 2), (std::vector<int>{0, 1}));
    EXPECT_EQ(order({{6, 0}, {0, 5}}, 1), (std::vector<int>{1, 0}));
}

}  // namespace
}  // namespace tavor::test

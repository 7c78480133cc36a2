#include <gtest/gtest.h>

#include "search/SearchTabRig.h"

namespace tavor::test {
namespace {

using V = std::vector<std::u16string>;

// Hits, sorted: "W1" (locked), "W2", "W3", "W4".
class HitUpdateTest : public testing::Test {
protected:
    SearchTabRig rig;
    TTavorMainForm& form = rig.form;
    cad::Handle w3 = rig.addText(u"W3", {3, 3});
    cad::Handle w1 = rig.addText(u"W1", {1, 1}, u"LOCKED");
    cad::Handle w4 = rig.addText(u"W4", {4, 4});
    cad::Handle w2 = rig.addText(u"W2", {2, 2});

    void SetUp() override {
        rig.search(u"W");
        ASSERT_EQ(rig.rows(), (V{u"W1", u"W2", u"W3", u"W4"}));
    }
    const FakePlatform::Message& lastMessage() { return rig.platform.messages.back(); }
};

TEST_F(HitUpdateTest, EnterWritesAChangedRowThenMovesDown) {
    rig.edit(1, u"W2-new");
    rig.drawing().liveForWrite(*cad::sim::parseHandle(w2)).text.insertion = {7, 8, 0};
    EXPECT_EQ(rig.press(vkReturn), vkReturn);  // left for the grid's own Enter
    EXPECT_EQ(rig.textOf(w2), u"W2-new");
    EXPECT_EQ(form.hitList[1].text, u"W2-new");
    EXPECT_EQ(form.hitList[1].insPt, (cad::Point{7, 8, 0}));
    EXPECT_EQ(form.StringGrid2.row(), 2);
    EXPECT_EQ(form.StatusBar1.panels[0].get(), w3);  // the new row is selected
    EXPECT_EQ(rig.textOf(w3), u"W3");
}

TEST_F(HitUpdateTest, EnterOnAnUnchangedRowWritesNothingButStillMoves) {
    rig.refusals().refuseAlways(u"SetTextString");
    rig.edit(1, u"W2");
    rig.press(vkReturn);
    EXPECT_EQ(form.StringGrid2.row(), 2);
    EXPECT_EQ(form.StringGrid2.cell(0, 1), u"W2");

    // With the editor closed nothing moves and nothing is selected again.
    form.StringGrid2.setEditorOpen(false);
    form.StatusBar1.panels[0] = u"kept";
    rig.press(vkReturn);
    EXPECT_EQ(form.StringGrid2.row(), 2);
    EXPECT_EQ(form.StatusBar1.panels[0].get(), u"kept");
}

TEST_F(HitUpdateTest, EnterFromTheLastRowWrapsToTheFirst) {
    rig.edit(3, u"W4");
    rig.press(vkReturn);
    EXPECT_EQ(form.StringGrid2.row(), 0);
    EXPECT_EQ(form.Label6.caption.get(), u"1 / 4");
}

TEST_F(HitUpdateTest, EnterWithoutItsBoxesNeitherWritesNorMoves) {
    form.CheckBox5.checked = false;
    form.CheckBox8.checked = false;
    rig.edit(1, u"X");
    rig.press(vkReturn);
    EXPECT_EQ(rig.textOf(w2), u"W2");
    EXPECT_EQ(form.StringGrid2.row(), 1);
    EXPECT_EQ(form.StringGrid2.cell(0, 1), u"X");
}

TEST_F(HitUpdateTest, EnterOnALockedHitPutsItsTextBack) {
    rig.edit(0, u"X");
    rig.press(vkReturn);
    EXPECT_EQ(form.StringGrid2.cell(0, 0), u"W1");
    EXPECT_EQ(rig.textOf(w1), u"W1");
}

struct FailureCase {
    const char* name;
    std::function<void(SearchTabRig&, const cad::Handle&)> spoil;
};

const FailureCase kFailures[] = {
    {"Erased", [](SearchTabRig& rig,
                  const cad::Handle& h) { rig.drawing().erase(*cad::sim::parseHandle(h)); }},
    {"MovedToALockedLayer",
     [](SearchTabRig& rig, const cad::Handle& h) {
         rig.drawing().liveForWrite(*cad::sim::parseHandle(h)).layer = u"LOCKED";
     }},
    {"LayerLockedByAnotherName",
     [](SearchTabRig& rig, const cad::Handle& h) {
         rig.drawing().liveForWrite(*cad::sim::parseHandle(h)).layer = u"locked";
     }},
    {"WriteRefused",
     [](SearchTabRig& rig, const cad::Handle&) { rig.refusals().refuseNext(u"SetTextString"); }},
    {"UpdateRefused",
     [](SearchTabRig& rig, const cad::Handle&) { rig.refusals().refuseNext(u"UpdateEntity"); }},
    {"ReadBackRefused",
     [](SearchTabRig& rig, const cad::Handle&) {
         rig.refusals().refuseNext(u"GetInsertionPoint");
     }},
    {"HandleRefused", [](SearchTabRig& rig,
                         const cad::Handle&) { rig.refusals().refuseNext(u"GetObjectByHandle"); }},
};

class HitUpdateFailureTest : public HitUpdateTest,
                             public testing::WithParamInterface<FailureCase> {};

TEST_P(HitUpdateFailureTest, EnterPutsTheLastKnownTextBack) {
    GetParam().spoil(rig, w2);
    rig.edit(1, u"X");
    rig.press(vkReturn);
    EXPECT_EQ(form.StringGrid2.cell(0, 1), u"W2");
    EXPECT_EQ(form.hitList[1].text, u"W2");
    for (const auto& h : {w1, w3, w4})
        EXPECT_NE(rig.textOf(h), u"X");
    EXPECT_TRUE(rig.platform.messages.empty());
}

TEST_P(HitUpdateFailureTest, BulkUpdateSkipsTheRowAndWritesTheOthers) {
    GetParam().spoil(rig, w2);
    rig.edit(1, u"X2");
    rig.edit(2, u"X3");
    form.SpeedButton15Click();
    EXPECT_EQ(lastMessage().text, u"1 / 2 個の TEXT を更新しました．");
    EXPECT_EQ(rig.textOf(w3), u"X3");
    EXPECT_EQ(form.StringGrid2.cell(0, 1), u"X2");  // still changed
    EXPECT_EQ(form.hitList[1].text, u"W2");
    EXPECT_NE(rig.textOf(w1), u"X2");
    EXPECT_NE(rig.textOf(w4), u"X2");
}

INSTANTIATE_TEST_SUITE_P(Failures, HitUpdateFailureTest, testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HitUpdateTest, EnterWithoutACadLeavesTheRowChangedAndSelectsItAgain) {
    rig.edit(1, u"X");
    rig.cad.closeCadWindow();
    form.StatusBar1.panels[0] = u"";
    form.CheckBox8.checked = false;
    rig.press(vkReturn);
    EXPECT_EQ(form.StringGrid2.cell(0, 1), u"X");
    EXPECT_EQ(form.StatusBar1.panels[0].get(), w2);
}

TEST_F(HitUpdateTest, BulkUpdateCountsWrittenTriedAndLocked) {
    rig.edit(0, u"L");
    rig.edit(1, u"X2");
    rig.edit(3, u"X4");
    rig.drawAll();
    EXPECT_TRUE(form.SpeedButton15.enabled);
    form.SpeedButton15Click();

    EXPECT_EQ(lastMessage().text,
              u"2 / 2 個の TEXT を更新しました．\nロック画層の TEXT 1 個は更新されません．");
    EXPECT_EQ(lastMessage().kind, MessageKind::Information);
    EXPECT_EQ(lastMessage().buttons, MessageButtons::Ok);
    EXPECT_EQ(rig.textOf(w1), u"W1");
    EXPECT_EQ(rig.textOf(w2), u"X2");
    EXPECT_EQ(rig.textOf(w3), u"W3");
    EXPECT_EQ(rig.textOf(w4), u"X4");
    EXPECT_FALSE(form.SpeedButton15.enabled);
    // The locked row stays changed and enables the button again when drawn.
    rig.drawAll();
    EXPECT_TRUE(form.SpeedButton15.enabled);
    EXPECT_EQ(form.StringGrid2DrawCell(1), (HitRowLook{false, false}));
}

TEST_F(HitUpdateTest, OneCadUndoTakesBackTheWholeBulkUpdate) {
    rig.edit(1, u"X2");
    rig.edit(3, u"X4");
    rig.drawAll();
    form.SpeedButton15Click();
    ASSERT_EQ(rig.textOf(w4), u"X4");
    ASSERT_TRUE(rig.drawing().undo());
    EXPECT_EQ(rig.textOf(w2), u"W2");
    EXPECT_EQ(rig.textOf(w4), u"W4");
}

TEST_F(HitUpdateTest, OnlyLockedRowsChangedTriesNothing) {
    rig.edit(0, u"L");
    form.SpeedButton15Click();
    EXPECT_EQ(lastMessage().text,
              u"更新対象の TEXT はありません．\nロック画層の TEXT 1 個は更新されません．");
}

TEST_F(HitUpdateTest, NothingToTryIsReportedToo) {
    form.SpeedButton15Click();
    EXPECT_EQ(lastMessage().text, u"更新対象の TEXT はありません．");

    rig.edit(1, u"X");
    rig.cad.closeCadWindow();
    form.SpeedButton15Click();
    EXPECT_EQ(lastMessage().text, u"更新対象の TEXT はありません．");
    EXPECT_EQ(rig.textOf(w2), u"W2");

    rig.search(u"none");
    form.SpeedButton15Click();
    EXPECT_EQ(lastMessage().text, u"更新対象の TEXT はありません．");
}

// An emptied cell is never written, whether or not it was drawn again.
TEST_F(HitUpdateTest, AnEmptiedCellIsNeverWritten) {
    rig.edit(2, u"");
    rig.press(vkReturn);
    EXPECT_EQ(rig.textOf(w3), u"W3");
    form.SpeedButton15Click();
    EXPECT_EQ(rig.textOf(w3), u"W3");
    EXPECT_EQ(form.StringGrid2.cell(0, 2), u"W3");
    EXPECT_EQ(lastMessage().text, u"更新対象の TEXT はありません．");
}

// The document call made before the loop is a real call: when the CAD refuses it, the error is
// reported and nothing is written.
TEST_F(HitUpdateTest, TheDocumentCallBeforeTheBulkUpdateIsMade) {
    rig.edit(1, u"X");
    rig.refusals().refuseNext(u"BeginBulkUpdate");
    form.SpeedButton15Click();
    ASSERT_EQ(rig.platform.messages.size(), 1u);
    EXPECT_EQ(lastMessage().kind, MessageKind::Error);
    EXPECT_EQ(rig.textOf(w2), u"W2");
    form.SpeedButton15Click();
    EXPECT_EQ(rig.textOf(w2), u"X");
}

TEST_F(HitUpdateTest, TheCadWindowIsRestoredButNotActivatedForTheBulkUpdate) {
    rig.cad.desktop.window(SimCadRig::kCadWindow).minimised = true;
    rig.cad.desktop.calls.clear();
    rig.edit(1, u"X");
    form.SpeedButton15Click();
    const auto& calls = rig.cad.desktop.calls;
    EXPECT_NE(std::find(calls.begin(), calls.end(), "sleep 500"), calls.end());
    EXPECT_EQ(std::find(calls.begin(), calls.end(), "escape down"), calls.end());
    EXPECT_EQ(rig.textOf(w2), u"X");
}

}  // namespace
}  // namespace tavor::test

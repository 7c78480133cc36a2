#include <gtest/gtest.h>

#include "texttab/TextTabRig.h"

namespace tavor::test {
namespace {

using V = std::vector<std::u16string>;

class CaretTrackingTest : public testing::Test {
protected:
    void SetUp() override {
        rig.acquire({rig.addText(u"A", {10, 50}), rig.addText(u"B", {10, 45})});
        form.CheckBox9.checked = true;
    }
    // The centre of the last zoom window the CAD was asked for.
    cad::Point viewCentre() const { return rig.cad.cad->view().centre; }
    int zooms() const { return static_cast<int>(rig.cad.desktop.drawings.size()); }

    TextTabRig rig;
    TTavorMainForm& form = rig.form;
};

TEST_F(CaretTrackingTest, TheViewFollowsTheCaretOncePerLine) {
    form.CaretYChanged(2);
    EXPECT_EQ(viewCentre().x, 10);
    EXPECT_EQ(viewCentre().y, 45);
    EXPECT_EQ(zooms(), 1);
    form.CaretYChanged(2);
    EXPECT_EQ(zooms(), 1);
    form.CaretYChanged(1);
    EXPECT_EQ(viewCentre().y, 50);
    EXPECT_EQ(form.CaretY_Old, 1);
}

TEST_F(CaretTrackingTest, BelowTheListTheViewShowsWhereTheUpdateWouldPlaceTheText) {
    form.Edit1.text = u"0";
    form.Edit2.text = u"-5";
    form.CaretYChanged(4);
    EXPECT_EQ(viewCentre().x, 10);
    EXPECT_EQ(viewCentre().y, 35);
    // A field without a number counts as 0 rather than failing at every caret move.
    form.Edit2.text = u"x";
    form.CaretYChanged(5);
    EXPECT_EQ(viewCentre().y, 45);
    EXPECT_EQ(form.CaretY_Old, 5);
}

TEST_F(CaretTrackingTest, NothingIsShownBelowTheListInAttributeMode) {
    form.ATTmode = true;
    form.CaretYChanged(3);
    EXPECT_EQ(zooms(), 0);
    EXPECT_EQ(form.CaretY_Old, 3);
}

TEST_F(CaretTrackingTest, WithTheBoxOffOrNoCadTheCaretIsOnlyRemembered) {
    form.CheckBox9.checked = false;
    const auto callsBefore = rig.cad.desktop.calls.size();
    form.CaretYChanged(2);
    EXPECT_EQ(rig.cad.desktop.calls.size(), callsBefore);  // not even looked for the CAD
    EXPECT_EQ(form.CaretY_Old, 2);
    form.CheckBox9.checked = true;
    rig.cad.closeCadWindow();
    form.CaretYChanged(1);
    EXPECT_EQ(zooms(), 0);
    EXPECT_EQ(form.CaretY_Old, 1);
}

TEST(UndoTest, TheEditorsOwnHistoryComesBeforeTheSnapshot) {
    TextTabRig rig;
    TTavorMainForm& form = rig.form;
    rig.editor.setLines({u"one"});
    form.UndoMark(true);
    rig.editor.setLines({u"two"});
    rig.editor.setSelection({0, 3}, {0, 3});
    rig.editor.type(u"!");
    EXPECT_TRUE(form.SpeedButton4.enabled);

    form.SpeedButton4Click();
    EXPECT_EQ(rig.editor.lines(), (V{u"two"}));
    EXPECT_TRUE(form.undoFlag);
    form.SpeedButton4Click();
    EXPECT_EQ(rig.editor.lines(), (V{u"one"}));
    EXPECT_FALSE(form.undoFlag);
    EXPECT_FALSE(form.SpeedButton4.enabled);
}

TEST(UndoTest, AnAcquisitionDropsTheUndoMarkButKeepsItsText) {
    TextTabRig rig;
    rig.editor.setLines({u"kept"});
    rig.form.UndoMark(true);
    rig.acquire({rig.addText(u"A", {0, 0})});
    EXPECT_FALSE(rig.form.undoFlag);
    EXPECT_FALSE(rig.form.SpeedButton4.enabled);
    EXPECT_EQ(rig.form.undoText, u"kept");
}

TEST(StepFieldTest, EnterInDxMovesToDyAndEnterInDyAligns) {
    TextTabRig rig;
    TTavorMainForm& form = rig.form;
    std::vector<const Control*> focused;
    const auto sub = form.focusRequested.observe([&](const Control* c) { focused.push_back(c); });
    EXPECT_FALSE(form.Edit1KeyPress(u'5'));
    EXPECT_TRUE(form.Edit1KeyPress(u'\r'));
    EXPECT_EQ(focused, (std::vector<const Control*>{&form.Edit2}));

    EXPECT_TRUE(form.Edit2KeyPress(u'\r'));  // the alignment is disabled: nothing happens
    EXPECT_EQ(focused.size(), 1u);

    const auto a = rig.addText(u"A", {0, 0});
    rig.acquire({a, rig.addText(u"B", {0, -3})});
    form.Edit2.text = u"-10";
    EXPECT_TRUE(form.Edit2KeyPress(u'\r'));
    EXPECT_EQ(rig.textsInDrawing(), (std::vector<std::string>{"A@0,0", "B@0,-10"}));
    EXPECT_EQ(focused.size(), 2u);
    EXPECT_EQ(rig.cad.desktop.foreground, FakeDesktop::kProgram);
}

}  // namespace
}  // namespace tavor::test

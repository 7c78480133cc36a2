#include <gtest/gtest.h>

#include "search/SearchTabRig.h"

namespace tavor::test {
namespace {

using V = std::vector<std::u16string>;

// Three hits, sorted: "A1" (locked), "B2", "C3".
class HitRowsTest : public testing::Test {
protected:
    SearchTabRig rig;
    TTavorMainForm& form = rig.form;
    cad::Handle c3 = rig.addText(u"C3", {30.25, -4.5});
    cad::Handle a1 = rig.addText(u"A1", {10, 1}, u"LOCKED");
    cad::Handle b2 = rig.addText(u"B2", {20.0006, 2});

    void SetUp() override { rig.search(u""); }
    void select(int row) {
        form.StringGrid2.setCurrent(0, row);
        form.StringGrid2Click();
    }
};

TEST_F(HitRowsTest, SelectingARowShowsItsHitAndBringsItIntoView) {
    select(2);
    EXPECT_EQ(form.Label6.caption.get(), u"3 / 3");
    EXPECT_EQ(form.StatusBar1.panels[0].get(), c3);
    EXPECT_EQ(form.StatusBar1.panels[1].get(), u"30.250, -4.500");
    EXPECT_EQ(rig.cad.cad->view().centre, (cad::Point{30.25, -4.5, 0}));

    select(1);
    EXPECT_EQ(form.StatusBar1.panels[1].get(), u"20.001, 2.000");
    EXPECT_NEAR(rig.cad.cad->view().centre.x, 20.0006, 1e-9);
}

TEST_F(HitRowsTest, AnEmptiedCellOrAnUnlinkedRowClearsHandleAndPosition) {
    select(2);
    form.StringGrid2.setCell(0, 1, u"");
    select(1);
    EXPECT_EQ(form.StatusBar1.panels[0].get(), u"");
    EXPECT_EQ(form.Label6.caption.get(), u"");
    EXPECT_EQ(form.StatusBar1.panels[1].get(), u"30.250, -4.500");  // panel 1 keeps its text

    form.StringGrid2.setLink(0, 0, 4);  // beyond the list
    select(0);
    EXPECT_EQ(form.StatusBar1.panels[0].get(), u"");
}

TEST_F(HitRowsTest, WithoutACadTheStatusStillShowsTheHit) {
    rig.cad.closeCadWindow();
    const cad::Point before = rig.cad.cad->view().centre;
    select(2);
    EXPECT_EQ(form.StatusBar1.panels[0].get(), c3);
    EXPECT_EQ(rig.cad.cad->view().centre, before);
}

struct DrawCase {
    const char* name;
    int row;
    std::u16string cell;  // written into the row before drawing; "-" leaves it
    HitRowLook look;
    std::u16string after;  // the cell after drawing
    bool enablesUpdate;
};

const DrawCase kDrawCases[] = {
    {"Unchanged", 1, u"-", {false, false}, u"B2", false},
    {"Changed", 1, u"B20", {false, true}, u"B20", true},
    {"CaseIsAChange", 1, u"b2", {false, true}, u"b2", true},
    {"LockedUnchanged", 0, u"-", {true, false}, u"A1", false},
    {"LockedChanged", 0, u"A10", {true, true}, u"A10", true},
    {"EmptiedIsRefilled", 2, u"", {false, false}, u"C3", false},
    {"BlankIsAChange", 2, u" ", {false, true}, u" ", true},
};

class HitDrawTest : public HitRowsTest, public testing::WithParamInterface<DrawCase> {};

TEST_P(HitDrawTest, DrawsTheRowsState) {
    const DrawCase& c = GetParam();
    if (c.cell != u"-")
        form.StringGrid2.setCell(0, c.row, c.cell);
    EXPECT_EQ(form.StringGrid2DrawCell(c.row), c.look);
    EXPECT_EQ(form.StringGrid2.cell(0, c.row), c.after);
    EXPECT_EQ(form.SpeedButton15.enabled.get(), c.enablesUpdate);
}

INSTANTIATE_TEST_SUITE_P(States, HitDrawTest, testing::ValuesIn(kDrawCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HitRowsTest, RowsWithoutAValidLinkDrawPlain) {
    form.StringGrid2.setCell(0, 1, u"");
    form.StringGrid2.setLink(0, 1, 0);
    EXPECT_EQ(form.StringGrid2DrawCell(1), HitRowLook{});
    EXPECT_EQ(form.StringGrid2.cell(0, 1), u"");
    form.StringGrid2.setLink(0, 1, 4);
    EXPECT_EQ(form.StringGrid2DrawCell(1), HitRowLook{});
    EXPECT_EQ(form.StringGrid2DrawCell(7), HitRowLook{});
}

TEST_F(HitRowsTest, AnEmptyTextHitIsNeverRefilledNorChanged) {
    rig.addText(u"");
    rig.search(u"");
    ASSERT_EQ(rig.rows(), (V{u"", u"A1", u"B2", u"C3"}));
    EXPECT_EQ(form.StringGrid2DrawCell(0), HitRowLook{});
    EXPECT_FALSE(form.SpeedButton15.enabled);
}

}  // namespace
}  // namespace tavor::test

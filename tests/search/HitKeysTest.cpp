#include <gtest/gtest.h>

#include "search/SearchTabRig.h"

namespace tavor::test {
namespace {

using V = std::vector<std::u16string>;

class HitKeysTest : public testing::Test {
protected:
    SearchTabRig rig;
    TTavorMainForm& form = rig.form;

    void SetUp() override {
        for (const auto* t : {u"A", u"B", u"C", u"D"})
            rig.addText(t);
        rig.search(u"");
    }
    void selectRows(int top, int bottom) { form.StringGrid2.setSelection({0, top, 0, bottom}); }
};

TEST_F(HitKeysTest, CtrlZTakesBackOneEditAndSelectsItsRow) {
    rig.edit(1, u"B1");
    rig.edit(2, u"C1");
    EXPECT_EQ(form.sgUndoCnt2, 1);
    EXPECT_EQ(rig.press(vkZ, true), kKeyConsumed);
    EXPECT_EQ(rig.rows(), (V{u"A", u"B1", u"C", u"D"}));
    EXPECT_EQ(form.StringGrid2.row(), 2);
    EXPECT_EQ(form.Label6.caption.get(), u"3 / 4");
    rig.press(vkZ, true);
    EXPECT_EQ(rig.rows(), (V{u"A", u"B", u"C", u"D"}));
    // An empty journal: nothing moves.
    form.StringGrid2.setCurrent(0, 3);
    rig.press(vkZ, true);
    EXPECT_EQ(form.StringGrid2.row(), 3);
}

TEST_F(HitKeysTest, PasteFillsTheSelectionAndCtrlZTakesTheGroupBack) {
    rig.platform.clipboard = u"X\r\nY\r\n";
    selectRows(0, 2);
    EXPECT_EQ(rig.press(vkV, true), kKeyConsumed);
    EXPECT_EQ(rig.rows(), (V{u"X", u"Y", u"X", u"D"}));
    EXPECT_EQ(form.sgUndoCnt2, 3);
    rig.drawAll();
    EXPECT_TRUE(form.SpeedButton15.enabled);
    rig.press(vkZ, true);
    EXPECT_EQ(rig.rows(), (V{u"A", u"B", u"C", u"D"}));
    EXPECT_EQ(form.sgUndoCnt2, 0);
}

TEST_F(HitKeysTest, CopyCutAndDeleteOfARange) {
    selectRows(1, 2);
    EXPECT_EQ(rig.press(vkC, true), kKeyConsumed);
    EXPECT_EQ(rig.platform.clipboard, u"B\r\nC\r\n");

    EXPECT_EQ(rig.press(vkDelete), kKeyConsumed);
    EXPECT_EQ(rig.rows(), (V{u"A", u"", u"", u"D"}));
    // Emptied hits come back when drawn; nothing empty is ever written.
    rig.drawAll();
    EXPECT_EQ(rig.rows(), (V{u"A", u"B", u"C", u"D"}));

    selectRows(2, 3);
    rig.press(vkX, true);
    EXPECT_EQ(rig.platform.clipboard, u"C\r\nD\r\n");
    EXPECT_EQ(rig.rows(), (V{u"A", u"B", u"", u""}));
    rig.press(vkZ, true);
    EXPECT_EQ(rig.rows(), (V{u"A", u"B", u"C", u"D"}));
}

TEST_F(HitKeysTest, OtherKeysAreLeftToTheGrid) {
    EXPECT_EQ(rig.press('A'), 'A');
    EXPECT_EQ(rig.press(vkDelete), vkDelete);  // one cell: the cell editor's own Delete
    EXPECT_EQ(rig.rows(), (V{u"A", u"B", u"C", u"D"}));
}

TEST_F(HitKeysTest, ANewSearchForgetsTheJournal) {
    rig.edit(1, u"B1");
    rig.search(u"");
    EXPECT_EQ(form.FUndoCells2.Count(), 0);
    rig.press(vkZ, true);
    EXPECT_EQ(rig.rows(), (V{u"A", u"B", u"C", u"D"}));
}

}  // namespace
}  // namespace tavor::test

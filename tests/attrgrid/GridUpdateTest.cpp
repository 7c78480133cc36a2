#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "attrgrid/GridTabRig.h"
#include "base/TextUtil.h"
#include "cadlink/sim/SampleDrawing.h"

namespace tavor {
namespace {

using test::GridTabRig;

// The device grid of the sample drawing: MC1, MC2, THR1 (on the locked layer), M1 (no NAME1).
struct DeviceGrid : GridTabRig {
    DeviceGrid() { acquireAll(1); }
    std::u16string valueOf(int col, int row) {
        return drawing().find(tab.attributeOf(grid().link(col, row))->sHnd)->text.string;
    }
};

TEST(GridUpdateTest, TheButtonWritesEveryLinkedCellAndNoOther) {
    DeviceGrid rig;
    auto expected = rig.attributeValues();
    rig.grid().setCell(1, 1, u"MC1A");
    rig.grid().setCell(2, 2, u"");  // emptied by the user: written as an empty value
    rig.grid().setCell(2, 4, u"unlinked");
    const int updatesBefore = rig.cad.cad->entityUpdates();
    rig.tab.update();
    expected[rig.tab.attributeOf(rig.grid().link(1, 1))->sHnd] = u"MC1A";
    expected[rig.tab.attributeOf(rig.grid().link(2, 2))->sHnd] = u"";
    EXPECT_EQ(rig.attributeValues(), expected);
    // Unchanged linked cells are written too, but THR1's are refused by its locked layer.
    EXPECT_EQ(rig.cad.cad->entityUpdates() - updatesBefore, 4 + 4 + 3);
    EXPECT_EQ(rig.tab.cellChange(1, 1), CellChange::Unchanged);
    EXPECT_EQ(rig.tab.cellChange(2, 4), CellChange::Unlinked);
    EXPECT_TRUE(rig.platform.messages.empty());
}

TEST(GridUpdateTest, OneCadUndoTakesBackTheWholeUpdate) {
    DeviceGrid rig;
    const auto before = rig.attributeValues();
    rig.grid().setCell(1, 1, u"MC1A");
    rig.grid().setCell(1, 2, u"MC2A");
    rig.tab.update();
    ASSERT_NE(rig.attributeValues(), before);
    ASSERT_TRUE(rig.drawing().undo());
    EXPECT_EQ(rig.attributeValues(), before);
}

TEST(GridUpdateTest, CellsThatCannotBeWrittenStayChanged) {
    DeviceGrid rig;
    for (int r = 1; r <= 4; ++r)
        rig.grid().setCell(4, r, u"T" + toU16(r));
    // Row 1's write refused once (its fourth), row 2's block reference erased, row 3 on the
    // locked layer.
    rig.refusals().refuseAfter(u"SetAttributeText", 3);
    rig.drawing().erase(*cad::sim::parseHandle(rig.controls.blkList[1].sHnd));
    rig.tab.update();
    EXPECT_EQ(rig.tab.cellChange(4, 1), CellChange::Changed);
    EXPECT_EQ(rig.tab.cellChange(4, 2), CellChange::Changed);
    EXPECT_EQ(rig.tab.cellChange(4, 3), CellChange::Changed);
    EXPECT_EQ(rig.tab.cellChange(4, 4), CellChange::Unchanged);
    EXPECT_EQ(rig.valueOf(4, 1), u"SC-05");
    EXPECT_EQ(rig.valueOf(4, 3), u"TH-N12");
    EXPECT_EQ(rig.valueOf(4, 4), u"T4");
    EXPECT_EQ(rig.grid().cell(4, 1), u"T1");

    // Once the CAD takes the write, the next update clears it.
    rig.tab.update();
    EXPECT_EQ(rig.valueOf(4, 1), u"T1");
    EXPECT_EQ(rig.tab.cellChange(4, 1), CellChange::Unchanged);
}

TEST(GridUpdateTest, WithoutACadTheButtonDoesNothing) {
    DeviceGrid rig;
    rig.grid().setCell(1, 1, u"X");
    rig.cad.closeCadWindow();
    const auto before = rig.attributeValues();
    rig.tab.update();
    EXPECT_EQ(rig.attributeValues(), before);
    EXPECT_EQ(rig.tab.cellChange(1, 1), CellChange::Changed);
}

TEST(GridUpdateTest, EnterWritesTheCurrentChangedCellAndRevertsItOnFailure) {
    DeviceGrid rig;
    rig.controls.CheckBox2.checked = false;
    KeyCode enter = vkReturn;

    rig.grid().setCurrent(1, 2);
    rig.grid().setCell(1, 2, u"MC2B");
    rig.tab.keyDown(enter, {});
    EXPECT_EQ(enter, vkReturn);  // left for the grid's own editor handling
    EXPECT_EQ(rig.valueOf(1, 2), u"MC2B");
    EXPECT_EQ(rig.tab.cellChange(1, 2), CellChange::Unchanged);

    // On the locked layer the write fails: the cell shows the drawing's value again.
    rig.grid().setCurrent(1, 3);
    rig.grid().setCell(1, 3, u"THR9");
    rig.tab.keyDown(enter, {});
    EXPECT_EQ(rig.grid().cell(1, 3), u"THR1");

    // Unchanged cells are not written; with "Enter = 更新" off, nothing is.
    rig.controls.CheckBox7.checked = false;
    rig.grid().setCurrent(1, 1);
    rig.grid().setCell(1, 1, u"MC1Z");
    const int updates = rig.cad.cad->entityUpdates();
    rig.tab.keyDown(enter, {});
    EXPECT_EQ(rig.cad.cad->entityUpdates(), updates);
    EXPECT_EQ(rig.valueOf(1, 1), u"MC1");
}

TEST(GridUpdateTest, EnterWithoutACadLeavesTheCellChanged) {
    DeviceGrid rig;
    rig.grid().setCurrent(3, 1);
    rig.grid().setCell(3, 1, u"AC100V");
    rig.cad.closeCadWindow();
    KeyCode enter = vkReturn;
    rig.tab.keyDown(enter, {});
    EXPECT_EQ(rig.grid().cell(3, 1), u"AC100V");
    EXPECT_EQ(rig.tab.cellChange(3, 1), CellChange::Changed);
}

}  // namespace
}  // namespace tavor

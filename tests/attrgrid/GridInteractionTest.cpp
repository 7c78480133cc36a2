#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "attrgrid/GridTabRig.h"

namespace tavor {
namespace {

using test::GridTabRig;

constexpr ShiftState kCtrl{.ctrl = true};

// The I/O comment grid of the sample drawing: 5 rows, columns PIN1, IOADRS, JCMNT1, JCMNT2.
struct IoGrid : GridTabRig {
    IoGrid() { acquireAll(0); }
    KeyCode press(KeyCode key, ShiftState shift = {}) {
        tab.keyDown(key, shift);
        return key;
    }
    // The cell editor opens on the current cell, the person types, the editor closes.
    void type(const std::u16string& text) {
        tab.editorOpening(grid().col(), grid().row());
        grid().setCell(grid().col(), grid().row(), text);
    }
    std::vector<std::u16string> column(int col) {
        std::vector<std::u16string> out;
        for (int r = 1; r < grid().rowCount(); ++r)
            out.push_back(grid().cell(col, r));
        return out;
    }
};

TEST(GridJournalTest, EditsUndoOneByOneWithCtrlZAndTheButtonNeverDoesNothing) {
    IoGrid rig;
    rig.grid().setCurrent(3, 1);
    rig.type(u"A");
    rig.grid().setCurrent(3, 2);
    rig.type(u"B");
    rig.tab.editorOpening(4, 2);  // opened and left: a record all the same
    EXPECT_EQ(rig.controls.sgUndoCnt, 1);
    EXPECT_EQ(rig.controls.FUndoCells.Count(), 3);

    EXPECT_EQ(rig.press(vkZ, kCtrl), kKeyConsumed);
    EXPECT_EQ(rig.column(4)[1], u"押釦");
    EXPECT_EQ(rig.controls.sgUndoCnt, 0);
    EXPECT_EQ(rig.column(3)[1], u"B");

    // With a group count of 0 the UNDO button takes one record, as Ctrl+Z does.
    rig.tab.undoButton();
    EXPECT_EQ(rig.column(3)[1], u"運転");
    EXPECT_EQ(rig.grid().row(), 2);
    rig.tab.undoButton();
    EXPECT_EQ(rig.column(3)[0], u"非常停止");
    EXPECT_EQ(rig.controls.FUndoCells.Count(), 0);
    rig.tab.undoButton();  // an empty journal: nothing
    EXPECT_EQ(rig.tab.cellChange(3, 1), CellChange::Unchanged);
}

TEST(GridJournalTest, APasteIsOneGroupForCtrlZAndTheButtonRepeatsItsSize) {
    IoGrid rig;
    rig.platform.clipboard = u"a\tb\r\nc\td\r\ne\tf\r\n";
    rig.grid().setCurrent(3, 1);
    EXPECT_EQ(rig.press(vkV, kCtrl), kKeyConsumed);
    rig.grid().setCurrent(3, 3);
    rig.press(vkV, kCtrl);
    EXPECT_EQ(rig.column(3), (std::vector<std::u16string>{u"a", u"c", u"a", u"c", u"e"}));
    EXPECT_EQ(rig.controls.sgUndoCnt, 6);

    rig.tab.undoButton();
    rig.tab.undoButton();
    EXPECT_EQ(rig.column(3),
              (std::vector<std::u16string>{u"非常停止", u"運転", u"停止", u"過負荷", u"予備"}));
    EXPECT_EQ(rig.controls.FUndoCells.Count(), 0);
    EXPECT_EQ(rig.controls.sgUndoCnt, 6);  // the button leaves the count
}

TEST(GridJournalTest, AnAcquisitionClearsTheJournal) {
    IoGrid rig;
    rig.type(u"x");
    rig.acquireAll(4);
    EXPECT_EQ(rig.controls.FUndoCells.Count(), 0);
    EXPECT_EQ(rig.controls.sgUndoCnt, 0);
}

TEST(GridKeysTest, EnterMovesRightThroughLinkedCellsOrDownWhileEditing) {
    IoGrid rig;
    rig.controls.CheckBox2.checked = false;
    rig.grid().setCurrent(4, 1);
    rig.press(vkReturn);
    EXPECT_EQ(rig.grid().col(), 1);
    EXPECT_EQ(rig.grid().row(), 2);
    rig.grid().setCurrent(4, 5);
    rig.press(vkReturn);  // the last row: stays
    EXPECT_EQ(rig.grid().col(), 4);
    EXPECT_EQ(rig.grid().row(), 5);

    rig.controls.CheckBox2.checked = true;
    rig.press(vkReturn);  // the editor is closed: no move
    EXPECT_EQ(rig.grid().row(), 5);
    rig.grid().setEditorOpen(true);
    rig.press(vkReturn);  // from the last row back to row 1
    EXPECT_EQ(rig.grid().row(), 1);
    rig.press(vkReturn);
    EXPECT_EQ(rig.grid().row(), 2);
}

TEST(GridKeysTest, EnterToTheRightStopsAtAnUnlinkedCell) {
    GridTabRig rig;
    rig.acquireAll(1);  // M1 in row 4 has no NAME1
    rig.controls.CheckBox2.checked = false;
    rig.grid().setCurrent(1, 4);
    KeyCode enter = vkReturn;
    rig.tab.keyDown(enter, {});
    EXPECT_EQ(rig.grid().col(), 1);
    rig.grid().setCurrent(4, 3);
    rig.tab.keyDown(enter, {});
    EXPECT_EQ(rig.grid().col(), 1);
    EXPECT_EQ(rig.grid().row(), 4);
}

TEST(GridKeysTest, DeleteAndCutGoThroughTheJournal) {
    IoGrid rig;
    rig.grid().setCurrent(3, 2);
    rig.grid().setSelection({3, 2, 4, 3});
    EXPECT_EQ(rig.press(vkX, kCtrl), kKeyConsumed);
    EXPECT_EQ(rig.platform.clipboard, u"運転\t押釦\r\n停止\t押釦\r\n");
    EXPECT_EQ(rig.column(3)[1], u"");
    EXPECT_EQ(rig.tab.cellChange(3, 2), CellChange::Changed);
    rig.press(vkZ, kCtrl);
    EXPECT_EQ(rig.column(4)[2], u"押釦");
    EXPECT_EQ(rig.press(u'A'), u'A');
}

TEST(GridClickTest, ALinkedCellIsEditableAndShowsItsHandleAndPlace) {
    IoGrid rig;
    rig.controls.CheckBox6.checked = true;
    rig.grid().setCurrent(3, 2);
    rig.tab.cellClick();
    const nAtt& a = *rig.tab.attributeOf(rig.grid().link(3, 2));
    EXPECT_EQ(rig.StatusBar1.panels[0].get(), a.sHnd);
    EXPECT_EQ(rig.StatusBar1.panels[1].get(), u"運転");
    EXPECT_TRUE(rig.grid().editing());
    EXPECT_EQ(rig.cad.cad->view().centre.x, a.insPt.x);
    EXPECT_EQ(rig.cad.cad->view().centre.y, a.insPt.y);

    rig.grid().setRowCount(7);  // a row without links
    rig.grid().setCurrent(1, 6);
    rig.tab.cellClick();
    EXPECT_EQ(rig.StatusBar1.panels[0].get(), u"");
    EXPECT_EQ(rig.StatusBar1.panels[1].get(), u"");
    EXPECT_FALSE(rig.grid().editing());
}

TEST(GridClickTest, UndoMovingTheCurrentCellClicksIt) {
    IoGrid rig;
    rig.grid().setCurrent(2, 4);
    rig.type(u"X9");
    rig.grid().setCurrent(1, 1);
    rig.tab.cellClick();
    rig.press(vkZ, kCtrl);
    EXPECT_EQ(rig.StatusBar1.panels[0].get(), rig.tab.attributeOf(rig.grid().link(2, 4))->sHnd);
}

TEST(GridClickTest, HeaderClicksSelectColumnsRowsOrEverything) {
    IoGrid rig;
    rig.tab.fixedCellClick(0, 0);
    EXPECT_EQ(rig.grid().selection(), (GridRect{1, 1, 4, 5}));
    rig.tab.fixedCellClick(3, 0);
    EXPECT_EQ(rig.grid().selection(), (GridRect{3, 1, 3, 5}));
    rig.tab.fixedCellClick(0, 2);
    EXPECT_EQ(rig.grid().selection(), (GridRect{1, 2, 4, 2}));
}

TEST(GridClickTest, DraggingSelectsFromTheStartCellAndNeverIntoTheHeaders) {
    IoGrid rig;
    rig.tab.mouseDown(2, 2, false);  // not the left button
    rig.tab.mouseMove(3, 3);
    EXPECT_EQ(rig.grid().selection(), (GridRect{1, 1, 1, 1}));

    rig.tab.mouseDown(3, 3, true);
    rig.tab.mouseMove(3, 3);  // the start cell itself
    EXPECT_EQ(rig.grid().selection(), (GridRect{1, 1, 1, 1}));
    rig.tab.mouseMove(2, 5);
    EXPECT_EQ(rig.grid().selection(), (GridRect{2, 3, 3, 5}));
    EXPECT_EQ(rig.grid().col(), 2);
    EXPECT_EQ(rig.grid().row(), 5);
    rig.tab.mouseMove(0, 0);
    EXPECT_EQ(rig.grid().selection(), (GridRect{1, 1, 3, 3}));
    EXPECT_EQ(rig.controls.moveCol, 0);
    rig.tab.mouseUp();
    rig.tab.mouseMove(4, 4);
    EXPECT_EQ(rig.grid().selection(), (GridRect{1, 1, 3, 3}));
    EXPECT_EQ(rig.controls.startCol, -1);
}

TEST(GridSortTest, RowsMoveWithTheirLinksAndTheAcquisitionOrderComesBack) {
    IoGrid rig;
    const auto acquired = rig.rows();
    rig.grid().setCurrent(2, 1);  // IOADRS: X000..X004
    rig.grid().setCell(2, 3, u"X999");
    rig.tab.sortByText();
    EXPECT_EQ(rig.column(0), (std::vector<std::u16string>{u"1", u"2", u"4", u"5", u"3"}));
    EXPECT_EQ(rig.linkFaults(0), std::vector<std::string>{});

    rig.grid().setCurrent(3, 1);
    rig.tab.sortByNumber();  // JCMNT1 holds no numbers: every key is 0, nothing moves
    EXPECT_EQ(rig.column(0), (std::vector<std::u16string>{u"1", u"2", u"4", u"5", u"3"}));

    // The bulk update after sorting still writes each value into its own attribute.
    rig.tab.update();
    EXPECT_EQ(rig.linkFaults(0), std::vector<std::string>{});
    rig.tab.sortByAcquisition();
    rig.grid().setCell(2, 3, u"X002");
    EXPECT_EQ(rig.rows(), acquired);

    rig.grid().setCurrent(0, 1);
    rig.tab.sortByText();  // not on column 0
    EXPECT_EQ(rig.rows(), acquired);
}

}  // namespace
}  // namespace tavor

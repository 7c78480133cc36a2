// Working in StringGrid1: clicks, header selections, dragging, keys, the cell editor, undo.
#include <algorithm>

#include "attrgrid/GridTab.h"
#include "cadlink/Connection.h"
#include "cadlink/ZoomToPoint.h"
#include "grid/GridClipboardKeys.h"
#include "grid/GroupUndo.h"

namespace tavor {

GridEditTarget GridTab::editTarget() {
    return GridEditTarget::of(g_.StringGrid1, g_.FUndoCells, g_.sgUndoCnt);
}

// A record every time the editor opens, whether or not the text then changes.
void GridTab::editorOpening(int col, int row) {
    g_.sgUndoCnt = 1;
    g_.FUndoCells.Add(&g_.StringGrid1, col, row);
}

// Only linked cells can be edited; with "PAN" the CAD's view moves to the attribute.
void GridTab::cellClick() {
    GridState& grid = g_.StringGrid1;
    const nAtt* attribute = attributeOf(grid.link(grid.col(), grid.row()));
    if (!attribute) {
        ctx_.StatusBar1.panels[0] = u"";
        ctx_.StatusBar1.panels[1] = u"";
        grid.setEditing(false);
        return;
    }
    ctx_.StatusBar1.panels[0] = attribute->sHnd;
    grid.setEditing(true);
    if (!g_.CheckBox6.checked)
        return;
    ctx_.StatusBar1.panels[1] = attribute->text;
    std::shared_ptr<cad::Application> app;
    if (cad::ConnectToCad(cad_, app))
        cad::ZoomToPoint(cad_.desktop(), *app, attribute->insPt);
}

void GridTab::fixedCellClick(int col, int row) {
    GridState& grid = g_.StringGrid1;
    GridRect rect{grid.fixedCols(), grid.fixedRows(), grid.colCount() - 1, grid.rowCount() - 1};
    if (col > 0 && row == 0)
        rect.left = rect.right = col;
    else if (col == 0 && row > 0)
        rect.top = rect.bottom = row;
    else if (col != 0 || row != 0)
        return;
    // As a grid takes a selection: anchored at its top left, current at its bottom right.
    grid.setCurrent(rect.right, rect.bottom);
    grid.setSelection(rect);
}

void GridTab::mouseDown(int col, int row, bool leftButton) {
    const GridState& grid = g_.StringGrid1;
    if (!leftButton || col < grid.fixedCols() || row < grid.fixedRows())
        return;
    g_.startCol = col;
    g_.startRow = row;
}

// The selection runs from the cell where the button went down to the one under the pointer,
// never into the fixed row or column.
void GridTab::mouseMove(int col, int row) {
    if (g_.startCol < 0 || g_.startRow < 0 || col < 0 || row < 0)
        return;
    if ((col == g_.startCol && row == g_.startRow) || (col == g_.moveCol && row == g_.moveRow))
        return;
    GridState& grid = g_.StringGrid1;
    const GridRect rect{std::max(std::min(g_.startCol, col), grid.fixedCols()),
                        std::max(std::min(g_.startRow, row), grid.fixedRows()),
                        std::max(std::max(g_.startCol, col), grid.fixedCols()),
                        std::max(std::max(g_.startRow, row), grid.fixedRows())};
    grid.setCurrent(std::max(col, grid.fixedCols()), std::max(row, grid.fixedRows()));
    grid.setSelection(rect);
    g_.moveCol = col;
    g_.moveRow = row;
}

void GridTab::mouseUp() {
    g_.startCol = -1;
    g_.startRow = -1;
}

// Enter writes the cell back first ("Enter = 更新"), then moves; the key stays for the grid,
// which opens or closes its editor on it. Ctrl+Z undoes a group; the clipboard keys follow.
void GridTab::keyDown(KeyCode& key, ShiftState shift) {
    GridState& grid = g_.StringGrid1;
    const int oldCol = grid.col(), oldRow = grid.row();
    if (key == vkReturn) {
        if (g_.CheckBox7.checked)
            updateCurrentCell();
        moveAfterEnter();
    } else if (key == vkZ && shift.ctrl) {
        key = kKeyConsumed;
        GroupUndo(g_.FUndoCells, grid, g_.sgUndoCnt);
    } else {
        GridClipboardKeys(editTarget(), ctx_.platform, key, shift);
    }
    afterCurrentMayHaveMoved(oldCol, oldRow);
}

void GridTab::moveAfterEnter() {
    GridState& grid = g_.StringGrid1;
    const int col = grid.col(), row = grid.row();
    const int lastCol = grid.colCount() - 1, lastRow = grid.rowCount() - 1;
    if (!g_.CheckBox2.checked) {
        if (col != lastCol && grid.link(col + 1, row) >= 1)
            grid.setCurrent(col + 1, row);
        else if (row != lastRow && grid.link(1, row + 1) >= 1)
            grid.setCurrent(1, row + 1);
    } else if (grid.editorOpen()) {
        grid.setCurrent(col, row != lastRow ? row + 1 : 1);
    }
}

void GridTab::undoButton() {
    GridState& grid = g_.StringGrid1;
    const int oldCol = grid.col(), oldRow = grid.row();
    RepeatGroupUndo(g_.FUndoCells, grid, g_.sgUndoCnt);
    afterCurrentMayHaveMoved(oldCol, oldRow);
}

// A current cell that the program moved is clicked as one the person moved to.
void GridTab::afterCurrentMayHaveMoved(int oldCol, int oldRow) {
    const GridState& grid = g_.StringGrid1;
    if (grid.col() != oldCol || grid.row() != oldRow)
        cellClick();
}

}  // namespace tavor

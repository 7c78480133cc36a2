// StringGrid2's keys: Ctrl+Z, Enter (write the row back, then move down), the clipboard keys.
#include "grid/GridClipboardKeys.h"
#include "grid/GroupUndo.h"
#include "search/SearchTab.h"

namespace tavor {

void SearchTab::keyDown(KeyCode& key, ShiftState shift) {
    GridState& grid = c_.StringGrid2;
    if (shift.ctrl && key == vkZ) {
        key = kKeyConsumed;
        const bool undoable = c_.FUndoCells2.FindNewest(&grid) != nullptr;
        GroupUndo(c_.FUndoCells2, grid, c_.sgUndoCnt2);
        // Undo made the restored cell the current one.
        if (undoable)
            selectRow();
        return;
    }
    if (key == vkReturn) {
        // Not consumed: the grid's own Enter (open or close the cell editor) follows.
        const int row = grid.row();
        if (c_.CheckBox5.checked && !grid.cell(kHitCol, row).empty() && rowChanged(row)) {
            updateCurrentRow();
            selectRow();
        }
        if (c_.CheckBox8.checked && grid.editorOpen())
            moveAfterEnter();
        return;
    }
    GridClipboardKeys(GridEditTarget::of(grid, c_.FUndoCells2, c_.sgUndoCnt2), ctx_.platform, key,
                      shift);
}

// One row down, or from the last row back to the first.
void SearchTab::moveAfterEnter() {
    GridState& grid = c_.StringGrid2;
    const int next = grid.row() + 1 < grid.rowCount() ? grid.row() + 1 : 0;
    grid.setCurrent(grid.col(), next);
    selectRow();
}

}  // namespace tavor

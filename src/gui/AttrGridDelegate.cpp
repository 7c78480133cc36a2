#include "gui/AttrGridDelegate.h"

#include "shell/TTavorMainForm.h"

namespace tavor::gui {

AttrGridDelegate::AttrGridDelegate(TTavorMainForm& form, QObject* parent)
    : GridCellDelegate(form.StringGrid1, parent), form_(form) {}

CellLook AttrGridDelegate::look(const QModelIndex& index) const {
    const GridState& grid = form_.StringGrid1;
    const CellChange change = form_.StringGrid1DrawCell(index.column() + grid.fixedCols(),
                                                        index.row() + grid.fixedRows());
    return {change == CellChange::Unlinked, change == CellChange::Changed};
}

void AttrGridDelegate::editorOpening(const QModelIndex& index) const {
    const GridState& grid = form_.StringGrid1;
    form_.StringGrid1GetEditText(index.column() + grid.fixedCols(), index.row() + grid.fixedRows());
}

void AttrGridDelegate::keyDown(KeyCode& key, ShiftState shift) {
    form_.StringGrid1KeyDown(key, shift);
}

}  // namespace tavor::gui

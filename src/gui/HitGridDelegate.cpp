#include "gui/HitGridDelegate.h"

#include "shell/TTavorMainForm.h"

namespace tavor::gui {

HitGridDelegate::HitGridDelegate(TTavorMainForm& form, QObject* parent)
    : GridCellDelegate(form.StringGrid2, parent), form_(form) {}

CellLook HitGridDelegate::look(const QModelIndex& index) const {
    const HitRowLook row = form_.StringGrid2DrawCell(index.row());
    return {row.locked, row.changed};
}

void HitGridDelegate::editorOpening(const QModelIndex& index) const {
    form_.StringGrid2GetEditText(index.column(), index.row());
}

void HitGridDelegate::keyDown(KeyCode& key, ShiftState shift) {
    form_.StringGrid2KeyDown(key, shift);
}

}  // namespace tavor::gui

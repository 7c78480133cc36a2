#pragma once

#include "gui/GridCellDelegate.h"

namespace tavor {
class TTavorMainForm;
}

namespace tavor::gui {

// StringGrid1's cells: an unlinked cell on silver, a changed one in red. The view shows the
// grid without its fixed row and column.
class AttrGridDelegate final : public GridCellDelegate {
    Q_OBJECT
public:
    explicit AttrGridDelegate(TTavorMainForm& form, QObject* parent = nullptr);

private:
    CellLook look(const QModelIndex& index) const override;
    void editorOpening(const QModelIndex& index) const override;
    void keyDown(KeyCode& key, ShiftState shift) override;

    TTavorMainForm& form_;
};

}  // namespace tavor::gui

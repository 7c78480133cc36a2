#pragma once

#include "gui/GridCellDelegate.h"

namespace tavor {
class TTavorMainForm;
}

namespace tavor::gui {

// StringGrid2's cells by the search tab's rules: a locked hit on silver, a changed one in red,
// an emptied cell refilled.
class HitGridDelegate final : public GridCellDelegate {
    Q_OBJECT
public:
    explicit HitGridDelegate(TTavorMainForm& form, QObject* parent = nullptr);

private:
    CellLook look(const QModelIndex& index) const override;
    void editorOpening(const QModelIndex& index) const override;
    void keyDown(KeyCode& key, ShiftState shift) override;

    TTavorMainForm& form_;
};

}  // namespace tavor::gui

#pragma once

#include <QWidget>

#include "gui/Bindings.h"

class QMenu;

namespace tavor {
class TTavorMainForm;
}

namespace tavor::gui {

class GridView;

// The attribute grid tab's page: the TAG group combo, its buttons and check boxes, the grid with
// its popup menu, and the progress bar, each bound to the form's state.
class GridTabPage final : public QWidget {
    Q_OBJECT
public:
    explicit GridTabPage(TTavorMainForm& form, QWidget* parent = nullptr);

    GridView* grid1() const { return grid1_; }
    QMenu* popupMenu2() const { return popupMenu2_; }

private:
    TTavorMainForm& form_;
    Bindings bind_;
    GridView* grid1_ = nullptr;
    QMenu* popupMenu2_ = nullptr;
};

}  // namespace tavor::gui

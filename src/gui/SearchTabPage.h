#pragma once

#include <QWidget>

#include "gui/Bindings.h"

namespace tavor {
class TTavorMainForm;
}

namespace tavor::gui {

class GridView;

// The search tab's page: the pattern field, its buttons and check boxes, and the hit grid, each
// bound to the form's state.
class SearchTabPage final : public QWidget {
    Q_OBJECT
public:
    explicit SearchTabPage(TTavorMainForm& form, QWidget* parent = nullptr);

    GridView* grid2() const { return grid2_; }

private:
    TTavorMainForm& form_;
    Bindings bind_;
    GridView* grid2_ = nullptr;
};

}  // namespace tavor::gui

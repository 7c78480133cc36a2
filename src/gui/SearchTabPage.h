#pragma once

#include <QWidget>

#include "gui/Bindings.h"

class QBoxLayout;
class QKeyEvent;

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

protected:
    // StringGrid2's keys while its cell editor is closed, and the mouse press that starts a
    // click on it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addPattern(QBoxLayout* page);
    void addGrid(QBoxLayout* page);
    bool gridKey(QKeyEvent* event);

    TTavorMainForm& form_;
    Bindings bind_;
    GridView* grid2_ = nullptr;
    bool movedSincePress_ = false;  // the press already moved the current cell
};

}  // namespace tavor::gui

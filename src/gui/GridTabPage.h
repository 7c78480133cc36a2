#pragma once

#include <QEvent>
#include <QWidget>

#include "gui/Bindings.h"

class QKeyEvent;
class QMenu;
class QMouseEvent;

namespace tavor {
class TTavorMainForm;
}

namespace tavor::gui {

class GridView;

// The attribute grid tab's page: the TAG group combo, its buttons and check boxes, the grid with
// its popup menu, and the progress bar, each bound to the form's state. The grid's keys, clicks,
// header clicks and drags go to the form's handlers first.
class GridTabPage final : public QWidget {
    Q_OBJECT
public:
    explicit GridTabPage(TTavorMainForm& form, QWidget* parent = nullptr);

    GridView* grid1() const { return grid1_; }
    QMenu* popupMenu2() const { return popupMenu2_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addGrid();
    bool gridKey(QKeyEvent* event);
    bool gridMouse(QEvent::Type type, QMouseEvent* event);

    TTavorMainForm& form_;
    Bindings bind_;
    GridView* grid1_ = nullptr;
    QMenu* popupMenu2_ = nullptr;
    bool movedSincePress_ = false;
};

}  // namespace tavor::gui

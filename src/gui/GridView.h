#pragma once

#include <QTableView>
#include <functional>
#include <vector>

#include "grid/GridKeys.h"
#include "gui/GridModel.h"

class QKeyEvent;

namespace tavor::gui {

// A string grid: a table view over a grid state that keeps the state's selection, current cell,
// column widths and editor state in step with the view in both directions.
class GridView final : public QTableView {
    Q_OBJECT
public:
    GridView(GridState& state, QWidget* parent = nullptr);
    GridModel& gridModel() { return model_; }
    // Told the width of the cell area whenever it changes (a grid whose column fills it).
    std::function<void(int)> onViewportWidth;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyLayout();
    void applySelection();
    void readSelection();

    GridState& state_;
    GridModel model_;
    std::vector<Subscription> subs_;
    bool syncing_ = false;
};

// The grid keys that either tab handles, as the key handlers' codes; 0 for any other.
KeyCode gridKeyCode(const QKeyEvent& e);

}  // namespace tavor::gui

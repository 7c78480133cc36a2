#pragma once

#include <QMainWindow>
#include <QTimer>
#include <initializer_list>

#include "gui/Bindings.h"

class QHBoxLayout;
class QMenu;
class QTabWidget;

namespace tavor {
class TTavorMainForm;
}

namespace tavor::gui {

class LineEditorWidget;
class GridView;

// The Qt skin of the main form: the window, its three tabs and status bar, every control bound
// to its state, and the 200 ms timer. It holds no logic of its own.
class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(TTavorMainForm& form, LineEditorWidget& editor);
    ~MainWindow() override;

    QTabWidget* tabs() const { return tabs_; }
    GridView* grid1() const { return grid1_; }
    GridView* grid2() const { return grid2_; }
    QMenu* popupMenu1() const { return popupMenu1_; }
    QMenu* popupMenu2() const { return popupMenu2_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    QWidget* buildTextTab(LineEditorWidget& editor);
    QWidget* buildGridTab();
    QWidget* buildSearchTab();
    void buildStatusBar();
    // Bound controls in a row, left to right; the buttons have no handler of their own yet.
    void addSpeedButtons(QHBoxLayout* row, std::initializer_list<Control*> controls);
    void addCheckBoxes(QHBoxLayout* row, std::initializer_list<Control*> controls);
    void buildMenus(LineEditorWidget& editor);

    TTavorMainForm& form_;
    Bindings bind_;
    QTabWidget* tabs_ = nullptr;
    GridView* grid1_ = nullptr;
    GridView* grid2_ = nullptr;
    QTimer timer_;
    QMenu* popupMenu1_ = nullptr;
    QMenu* popupMenu2_ = nullptr;
    Subscription focusRequest_;
};

}  // namespace tavor::gui

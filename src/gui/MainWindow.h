#pragma once

#include <QMainWindow>
#include <QTimer>

#include "gui/Bindings.h"

class QMenu;
class QTabWidget;

namespace tavor {
class TTavorMainForm;
}

namespace tavor::gui {

class GridTabPage;
class GridView;
class LineEditorWidget;
class SearchTabPage;
class TextTabPage;

// The Qt skin of the main form's frame: the window, its three tab pages and status bar, the
// window's position and the 200 ms timer. It holds no logic of its own.
class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(TTavorMainForm& form, LineEditorWidget& editor);
    ~MainWindow() override;

    QTabWidget* tabs() const { return tabs_; }
    GridView* grid1() const;
    GridView* grid2() const;
    QMenu* popupMenu1() const;
    QMenu* popupMenu2() const;

signals:
    // The window was closed: the program ends, whatever other windows it has open.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildStatusBar();
    // Places the frame's top-left corner at the form's Left and Top, brought onto a screen when
    // the saved place is on none.
    void placeFrame();
    void placeOnceFramed();

    TTavorMainForm& form_;
    Bindings bind_;
    QTabWidget* tabs_ = nullptr;
    TextTabPage* textPage_ = nullptr;
    GridTabPage* gridPage_ = nullptr;
    SearchTabPage* searchPage_ = nullptr;
    QTimer timer_;
    bool placed_ = false;
    QTimer placing_;
    int placingTries_ = 0;
    static constexpr int kPlacingInterval = 50;  // ms
    static constexpr int kPlacingTries = 20;
};

}  // namespace tavor::gui

#pragma once

#include <map>

#include <QPointer>
#include <QWidget>

#include "cadlink/Desktop.h"

namespace tavor::gui {

class SimCadView;

// The desktop of the Linux program over its Qt windows: the program's main window and the
// simulated CAD's window. Windows get small ids of their own on first sight. All windows live
// on the one GUI thread, so thread input needs no attaching.
class QtDesktop final : public cad::Desktop {
public:
    // The program's main window may come later (setProgramWindow), as it is built after the link.
    explicit QtDesktop(QWidget* programWindow = nullptr) : program_(programWindow) {}

    void setProgramWindow(QWidget* window) { program_ = window; }
    cad::WindowId idOf(QWidget* widget);
    QWidget* widgetOf(cad::WindowId id) const;

    cad::WindowId findTopLevelWindow(const std::u16string& title) override;
    bool isMinimised(cad::WindowId window) override;
    void restoreWindow(cad::WindowId window) override;
    cad::WindowId programWindow() override { return idOf(program_); }
    void minimiseProgramWindow() override;
    void restoreProgramWindow() override;
    cad::WindowId foregroundWindow() override;
    void setForegroundWindow(cad::WindowId window) override;
    cad::ThreadId windowThread(cad::WindowId window) override;
    void attachThreadInput(cad::ThreadId, cad::ThreadId, bool) override {}
    void bringWindowToTop(cad::WindowId window) override;
    void sendEscapeKey(cad::KeyAction action) override;
    // Waits while windows repaint; the person's input waits too, as during a real Sleep.
    void sleep(int milliseconds) override;
    cad::WindowId firstChildWindow(cad::WindowId window) override;
    cad::WindowId nextSiblingWindow(cad::WindowId window) override;
    std::optional<cad::WindowRect> windowRect(cad::WindowId window) override;
    // Only the simulated CAD's view can be drawn on; elsewhere nothing is drawn.
    void drawLines(cad::WindowId window, const cad::Pen& pen,
                   const std::vector<cad::PixelPoint>& path) override;

private:
    QPointer<QWidget> program_;
    std::map<cad::WindowId, QPointer<QWidget>> widgets_;
    cad::WindowId nextId_ = 1;
};

}  // namespace tavor::gui

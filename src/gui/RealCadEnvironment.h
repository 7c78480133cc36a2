#pragma once

#include <QWidget>

#include "cadlink/com/ComCadLink.h"

namespace tavor::gui {

// The Windows program's way to the running nanoCAD: the COM link with the Win32 desktop.
class RealCadEnvironment {
public:
    // The program's main window, once it exists (it is minimised and restored around picks).
    void setProgramWindow(QWidget* window) {
        link_.setProgramWindow(static_cast<cad::WindowId>(window->winId()));
    }
    // The real CAD shows its own window.
    void showCadWindow() {}
    // The real CAD is another program: it stays as it is when Tavordesk ends.
    bool closeCadWindow() { return true; }

    cad::CadLink& link() { return link_; }

private:
    cad::com::ComCadLink link_;
};

}  // namespace tavor::gui

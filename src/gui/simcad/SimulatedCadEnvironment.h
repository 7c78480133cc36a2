#pragma once

#include <memory>

#include "cadlink/CadLink.h"
#include "cadlink/sim/SimCad.h"
#include "cadlink/sim/SimCadLink.h"
#include "gui/simcad/QtDesktop.h"
#include "gui/simcad/SimCadWindow.h"

class QWidget;

namespace tavor::gui {

// Everything the program needs to run against the simulated CAD: the CAD with its sample
// drawing (or the DXF file that TAVOR_SIM_DRAWING names), its window on the desktop, the desktop
// over the program's and the CAD's windows, and the link for the main form.
class SimulatedCadEnvironment {
public:
    explicit SimulatedCadEnvironment(QWidget* programWindow = nullptr);
    ~SimulatedCadEnvironment();

    // The program's main window, once it exists (it is minimised and restored around picks).
    void setProgramWindow(QWidget* window) { desktop_.setProgramWindow(window); }
    // Names a DXF drawing for the CAD to open when its window is shown, in place of the sample.
    static constexpr char kDrawingVariable[] = "TAVOR_SIM_DRAWING";

    // Shows the CAD's window, which makes the CAD count as running, with the drawing that
    // TAVOR_SIM_DRAWING names (the sample when it is unset or cannot be opened).
    void showCadWindow();
    // Closes the simulated CAD's window, which asks first over unsaved edits; false when the
    // person chose to keep it open.
    bool closeCadWindow();

    cad::CadLink& link() { return link_; }
    QtDesktop& desktop() { return desktop_; }
    SimCadWindow& cadWindow() { return *window_; }
    const std::shared_ptr<cad::sim::SimCad>& cad() const { return cad_; }

private:
    std::shared_ptr<cad::sim::SimCad> cad_;
    QtDesktop desktop_;
    std::unique_ptr<SimCadWindow> window_;
    cad::sim::SimCadLink link_;
};

}  // namespace tavor::gui

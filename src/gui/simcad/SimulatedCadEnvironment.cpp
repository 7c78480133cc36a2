#include "gui/simcad/SimulatedCadEnvironment.h"

#include <cstdlib>

#include "cadlink/sim/SampleDrawing.h"
#include "gui/simcad/SimCadFileMenu.h"

namespace tavor::gui {

namespace {
std::shared_ptr<cad::sim::SimCad> sampleCad() {
    auto cad = std::make_shared<cad::sim::SimCad>();
    cad::sim::loadSampleDrawing(cad->drawing());
    cad->drawing().forgetChanges();  // the sample is where the history starts
    return cad;
}
}  // namespace

SimulatedCadEnvironment::SimulatedCadEnvironment(QWidget* programWindow)
    : cad_(sampleCad()),
      desktop_(programWindow),
      window_(std::make_unique<SimCadWindow>(cad_)),
      link_(cad_, desktop_) {
    cad_->setWindows(desktop_.idOf(window_.get()), desktop_.idOf(window_->documentWindow()));
}

SimulatedCadEnvironment::~SimulatedCadEnvironment() = default;

bool SimulatedCadEnvironment::closeCadWindow() {
    return window_->close();
}

void SimulatedCadEnvironment::showCadWindow() {
    window_->show();
    const char* drawing = std::getenv(kDrawingVariable);
    // An opened drawing is shown whole; the sample by its sheet.
    if (!drawing || !*drawing || !window_->fileMenu().open(QString::fromLocal8Bit(drawing)))
        cad_->zoomWindow(cad::sim::kSampleSheetLowerLeft, cad::sim::kSampleSheetUpperRight);
}

}  // namespace tavor::gui

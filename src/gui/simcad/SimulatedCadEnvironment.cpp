#include "gui/simcad/SimulatedCadEnvironment.h"

#include "cadlink/sim/SampleDrawing.h"

namespace tavor::gui {

namespace {
std::shared_ptr<cad::sim::SimCad> sampleCad() {
    auto cad = std::make_shared<cad::sim::SimCad>();
    cad::sim::loadSampleDrawing(cad->drawing());
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

void SimulatedCadEnvironment::showCadWindow() {
    window_->show();
    cad_->zoomWindow(cad::sim::kSampleSheetLowerLeft, cad::sim::kSampleSheetUpperRight);
}

}  // namespace tavor::gui

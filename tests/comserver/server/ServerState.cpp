#include "comserver/server/ServerState.h"

namespace tavor::test::fakecad {

ServerState::ServerState(const CadWindows& windows) : windows_(windows) {
    reset();
}

void ServerState::reset() {
    if (cad_)
        cad_->setPicker(nullptr);
    picker_ = std::make_unique<cad::sim::ScriptedPicker>();
    cad_ = std::make_shared<cad::sim::SimCad>();
    cad_->setPicker(picker_.get());
    cad_->setWindows(reinterpret_cast<cad::WindowId>(windows_.main),
                     reinterpret_cast<cad::WindowId>(windows_.document));
    // The view window is 800 x 618; its lowest 18 pixels do not draw.
    cad_->setViewPixelSize(800, 600);
    cad_->setView({0, 0, 0}, 200);
    switches = Switches{};
    failures.clear();
}

void ServerState::unlock() {
    if (--locks_ == 0)
        PostQuitMessage(0);
}

}  // namespace tavor::test::fakecad

#pragma once

#include <memory>

#include "cadlink/FakeDesktop.h"
#include "cadlink/sim/ScriptedPicker.h"
#include "cadlink/sim/SimCad.h"
#include "cadlink/sim/SimCadLink.h"

namespace tavor::test {

// A simulated CAD on a fake desktop, ready for the commands: its window "nanoCAD 5" is open,
// picks come from `picker`, and the view window measures 800 × 618 pixels (800 × 600 of them draw).
struct SimCadRig {
    static constexpr cad::WindowId kCadWindow = 2, kDocumentWindow = 3, kDocumentToolbar = 4,
                                   kViewWindow = 5;
    static constexpr cad::ThreadId kCadThread = 200;

    enum class Content { Empty, Sample };
    explicit SimCadRig(Content content = Content::Sample);

    // Closes the CAD's window: the CAD no longer counts as running.
    void closeCadWindow() { desktop.removeWindow(kCadWindow); }
    std::shared_ptr<cad::Document> document() { return cad->application()->GetActiveDocument(); }

    std::shared_ptr<cad::sim::SimCad> cad = std::make_shared<cad::sim::SimCad>();
    cad::sim::ScriptedPicker picker;
    FakeDesktop desktop;
    cad::sim::SimCadLink link{cad, desktop};
};

}  // namespace tavor::test

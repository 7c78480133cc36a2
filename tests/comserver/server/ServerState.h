#pragma once

#include <windows.h>

#include <memory>

#include "cadlink/sim/ScriptedPicker.h"
#include "cadlink/sim/SimCad.h"
#include "comserver/server/Failures.h"

namespace tavor::test::fakecad {

// The server's windows, as the client walks them: the main window, the document window inside
// it, and the document window's two children, the toolbar first and the view after it.
struct CadWindows {
    HWND main = nullptr, document = nullptr, toolbar = nullptr, view = nullptr;
};

// Forms of values that the real CAD's builds differ in.
struct Switches {
    // Window handles and object ids as VT_I4 instead of VT_I8.
    bool hwndAs32Bit = false;
    // GetAttributes as VT_ARRAY | VT_DISPATCH instead of VT_ARRAY | VT_VARIANT.
    bool attributesAsDispatchArray = false;
    // Drawing objects answer QueryInterface for the model's interface ids. Off by default:
    // Wine 8 cannot marshal those ids without a type library, so the answer never reaches a
    // client in another process there.
    bool answerInterfaceIds = false;
};

// Everything of the one server process: the simulated CAD that both classes serve, the picker
// it asks, the switches, the injected failures, and the count of what keeps the process alive.
class ServerState {
public:
    explicit ServerState(const CadWindows& windows);
    ServerState(const ServerState&) = delete;
    ServerState& operator=(const ServerState&) = delete;

    // An empty drawing (layer "0" only) in a fresh simulated CAD, no failures, no scripted
    // picks, every switch at its default. Objects handed out before keep the CAD they came
    // from, as objects of a closed drawing.
    void reset();

    cad::sim::SimCad& cad() { return *cad_; }
    const std::shared_ptr<cad::sim::SimCad>& sharedCad() const { return cad_; }
    cad::sim::ScriptedPicker& picker() { return *picker_; }
    const CadWindows& windows() const { return windows_; }

    Switches switches;
    Failures failures;

    // Automation objects of the model (not the control object, not the class factories).
    void objectCreated() { ++liveObjects_; }
    void objectDestroyed() { --liveObjects_; }
    int liveObjects() const { return liveObjects_; }

    // Every object and every LockServer holds the process; the last release ends its loop.
    void lock() { ++locks_; }
    void unlock();

private:
    CadWindows windows_;
    std::shared_ptr<cad::sim::SimCad> cad_;
    std::unique_ptr<cad::sim::ScriptedPicker> picker_;
    int liveObjects_ = 0;
    int locks_ = 0;
};

}  // namespace tavor::test::fakecad

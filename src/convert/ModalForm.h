#pragma once

#include <functional>

#include "base/Property.h"
#include "ui/Platform.h"

namespace tavor {

// A dialog model's way to close itself: its skin runs the dialog until modalResult holds a
// result, and resets it to None before each run.
struct ModalForm {
    Property<ModalResult> modalResult{ModalResult::None};

    // Runs one of the dialog's handlers through the program's run gate, which the main form
    // installs, so that no error escapes a button into the window system's event loop.
    std::function<void(const std::function<void()>&)> handlerGate;
    void handle(const std::function<void()>& handler) const {
        if (handlerGate)
            handlerGate(handler);
        else
            handler();
    }
};

// Runs a dialog modally with the always-on-top state handed over: the main window gives it up
// and the dialog takes it for as long as it is shown, then the main window takes it back.
ModalResult RunModalOnTop(Platform& platform, FormId dialog);

}  // namespace tavor

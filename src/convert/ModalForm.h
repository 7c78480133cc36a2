#pragma once

#include "base/Property.h"
#include "ui/Platform.h"

namespace tavor {

// A dialog model's way to close itself: its skin runs the dialog until modalResult holds a
// result, and resets it to None before each run.
struct ModalForm {
    Property<ModalResult> modalResult{ModalResult::None};
};

// Runs a dialog modally with the always-on-top state handed over: the main window gives it up
// and the dialog takes it for as long as it is shown, then the main window takes it back.
ModalResult RunModalOnTop(Platform& platform, FormId dialog);

}  // namespace tavor

#pragma once

#include "ui/Controls.h"
#include "ui/Platform.h"
#include "ui/StopSwitch.h"

namespace tavor {

// What every tab's commands share with the form beyond their own controls.
struct TabContext {
    Platform& platform;
    StopSwitch& stop;
    TStatusBar& StatusBar1;
};

}  // namespace tavor

#include "ui/StopSwitch.h"

namespace tavor {

void StopSwitch::arm(TSpeedButton& stopButton) {
    runFlag_ = true;
    armed_ = &stopButton;
    stopButton.enabled = true;
}

void StopSwitch::disarm() {
    runFlag_ = false;
    if (armed_)
        armed_->enabled = false;
    armed_ = nullptr;
}

}  // namespace tavor

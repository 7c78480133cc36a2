#pragma once

#include "ui/Controls.h"

namespace tavor {

// The stop flag of a long run (`runFlag`) and the stop button armed for it. Whether a command is
// running at all is not its business: a command may run without a stop button, and a stop
// click is never refused.
class StopSwitch {
public:
    // runFlag := true, and the tab's stop button enabled.
    void arm(TSpeedButton& stopButton);
    // runFlag := false, and the armed button disabled.
    void disarm();
    // The stop button's click: the run ends at its next check.
    void clear() { runFlag_ = false; }
    bool runFlag() const { return runFlag_; }

private:
    bool runFlag_ = false;
    TSpeedButton* armed_ = nullptr;
};

// Arms the switch for a scope and disarms it however the scope ends.
class ArmedRun {
public:
    ArmedRun(StopSwitch& stop, TSpeedButton& stopButton) : stop_(stop) { stop_.arm(stopButton); }
    ~ArmedRun() { stop_.disarm(); }
    ArmedRun(const ArmedRun&) = delete;
    ArmedRun& operator=(const ArmedRun&) = delete;

private:
    StopSwitch& stop_;
};

}  // namespace tavor

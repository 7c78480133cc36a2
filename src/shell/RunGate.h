#pragma once

#include <functional>

#include "base/Property.h"
#include "ui/Platform.h"
#include "ui/StopSwitch.h"

namespace tavor {

// The one gate that every entry point of the form goes through: buttons, keys, menu items, dialog
// buttons and the timer. "A command is running" (`running`) is kept apart from the stop flag
// that the commands read (`stop`): a command may run without arming a stop button, and a stop
// click is never refused. No error crosses the gate: whatever a command lets out ends it and is
// shown by the default error report once the run is over.
class RunGate {
public:
    explicit RunGate(Platform& platform) : platform_(platform) {}
    RunGate(const RunGate&) = delete;
    RunGate& operator=(const RunGate&) = delete;

    // Runs the command unless another one is running; false when refused.
    bool run(const std::function<void()>& command);
    // Runs an entry point that acts even while a command runs (a stop button, the timer).
    void runAlways(const std::function<void()>& command);
    bool busy() const { return running; }

    Property<bool> running{false};
    StopSwitch stop;

private:
    Platform& platform_;
};

}  // namespace tavor

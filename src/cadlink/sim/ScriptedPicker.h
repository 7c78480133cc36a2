#pragma once

#include <deque>
#include <functional>

#include "cadlink/sim/Picker.h"

namespace tavor::cad::sim {

// Picks by script, without a window: each pick takes the next scripted answer. With no answer
// left a pick ends with nothing picked, as when the person just presses Enter.
class ScriptedPicker : public Picker {
public:
    void pickNext(std::vector<Handle> handles);
    // The next pick picks every entity that the filter accepts, in drawing order.
    void pickAllNext();
    void cancelNext();
    // The next pick runs `action` first (an edit meanwhile, a stop click), then picks `handles`.
    void pickNextAfter(std::function<void()> action, std::vector<Handle> handles);

    std::optional<std::vector<Handle>> pickEntities(const PickRequest& request) override;

    int picks = 0;

private:
    struct Answer {
        std::function<void()> action;
        std::optional<std::vector<Handle>> handles;
        bool all = false;
    };
    std::deque<Answer> answers_;
};

}  // namespace tavor::cad::sim

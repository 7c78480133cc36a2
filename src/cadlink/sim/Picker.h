#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "cadlink/Objects.h"
#include "cadlink/sim/Drawing.h"

namespace tavor::cad::sim {

// What a pick may choose from: the drawing and the filter of the selection call.
struct PickRequest {
    const Drawing& drawing;
    std::function<bool(const EntityRecord&)> accepts;
};

// Lets someone pick entities for SelectOnScreen: a person in the simulated CAD's window, or a
// script in tests. The call blocks until the pick ends.
class Picker {
public:
    virtual ~Picker() = default;
    // The picked handles in pick order, or nullopt when the pick was cancelled.
    virtual std::optional<std::vector<Handle>> pickEntities(const PickRequest& request) = 0;
};

}  // namespace tavor::cad::sim

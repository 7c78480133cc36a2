#pragma once

#include <memory>

#include "cadlink/Objects.h"
#include "cadlink/sim/SimCad.h"

namespace tavor::cad::sim {

// The automation object for an entity of the simulated drawing, of the interface its kind has.
std::shared_ptr<Entity> makeEntityObject(const std::shared_ptr<SimCad>& cad, EntityId id);

}  // namespace tavor::cad::sim

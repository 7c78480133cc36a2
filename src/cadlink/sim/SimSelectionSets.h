#pragma once

#include <memory>

#include "cadlink/Document.h"
#include "cadlink/sim/SimCad.h"

namespace tavor::cad::sim {

// The drawing's named selection sets as an automation collection.
std::shared_ptr<SelectionSets> makeSelectionSetsObject(const std::shared_ptr<SimCad>& cad);

}  // namespace tavor::cad::sim

#pragma once

#include <map>
#include <string>

#include "cadlink/sim/Drawing.h"

namespace tavor::test {

// Every live entity of the drawing (texts, block references and their attributes) by id, as a
// line that changes whenever anything a command can write changes.
using EntityStates = std::map<cad::sim::EntityId, std::string>;
EntityStates entityStates(const cad::sim::Drawing& drawing);

}  // namespace tavor::test

#pragma once

// The CAD the program runs against: the running nanoCAD through COM on Windows, the simulated
// CAD with its own window everywhere else.
#ifdef _WIN32
#include "gui/RealCadEnvironment.h"
namespace tavor::gui {
using CadEnvironment = RealCadEnvironment;
}
#else
#include "gui/simcad/SimulatedCadEnvironment.h"
namespace tavor::gui {
using CadEnvironment = SimulatedCadEnvironment;
}
#endif

#pragma once

#include "comserver/server/ServerState.h"

namespace tavor::test::fakecad {

// Opens the CAD's windows: "nanoCAD 5" with its document window, whose first child is a toolbar
// and whose second is the 800 x 618 view. All null when a window cannot be made.
CadWindows openCadWindows(HINSTANCE instance);
void closeCadWindows(const CadWindows& windows);

}  // namespace tavor::test::fakecad

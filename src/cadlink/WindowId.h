#pragma once

#include <cstdint>

namespace tavor::cad {

// A desktop window, as the CAD and the window system name it (an HWND on Windows); 0 is none.
using WindowId = std::uintptr_t;

}  // namespace tavor::cad

#pragma once

#include "cadlink/sim/Drawing.h"

namespace tavor::cad::sim {

// Fills an empty drawing with `texts` wire-number texts in a grid and `inserts` block
// references of the sample blocks, for measuring the commands on big drawings. The same counts
// always give the same drawing.
void generateLargeDrawing(Drawing& drawing, int texts, int inserts);

}  // namespace tavor::cad::sim

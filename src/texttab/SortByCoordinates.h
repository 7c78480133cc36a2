#pragma once

#include "texttab/Tavor.h"

namespace tavor {

// Coordinate order of the acquired entries: mode 0 by X ascending, 1 by Y descending (top to
// bottom), 3 or more picks the axis of the larger spread (Y when the spreads are equal). Other
// modes leave the list. Ties end up as the plain exchange sort leaves them; `index` travels
// with its entry.
void SortByCoordinates(TextList& list, int mode);

}  // namespace tavor

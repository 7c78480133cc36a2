#include "grid/GridEditTarget.h"

#include <algorithm>

#include "grid/TUndoCells.h"

namespace tavor {

GridEditTarget GridEditTarget::of(GridState& grid, TUndoCells& undoCells, int& undoCount) {
    return {&grid, [&grid, &undoCells](int col, int row) { undoCells.Add(&grid, col, row); },
            [&undoCount](int count) { undoCount = count; }};
}

void GridEditTarget::record(int col, int row) const {
    if (journal)
        journal(col, row);
}

void GridEditTarget::closeGroup(int cellsWritten) const {
    if (setUndoCount)
        setUndoCount(std::max(cellsWritten, 1));
}

}  // namespace tavor

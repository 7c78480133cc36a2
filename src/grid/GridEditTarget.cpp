#include "grid/GridEditTarget.h"

#include <algorithm>

namespace tavor {

void GridEditTarget::record(int col, int row) const {
    if (journal)
        journal(col, row);
}

void GridEditTarget::closeGroup(int cellsWritten) const {
    if (setUndoCount)
        setUndoCount(std::max(cellsWritten, 1));
}

}  // namespace tavor
